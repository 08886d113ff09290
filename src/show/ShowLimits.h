#pragma once

namespace zyn {

// Fixed sizes of the show tables. The tables never grow or shrink: deleting a
// cue closes the gap and appends an empty row, inserting one drops the last.
inline constexpr int MaxCues = 3200;
inline constexpr int MaxSlaves = 200;
inline constexpr int ChannelsPerSlave = 16;
// The stepper table, its file section and its commands exist, but the
// hardware has no stepper outputs: every loop over them runs from 1 to 0.
inline constexpr int StepperCount = 0;

inline constexpr int MinLevel = 1;
inline constexpr int MaxLevel = 10;
inline constexpr int MinKey = 1;
inline constexpr int MaxKey = 10;

} // namespace zyn
