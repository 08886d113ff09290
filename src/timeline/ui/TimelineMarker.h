#pragma once

namespace zyn {

// One cue row as the timeline draws it: where it sits in its segment and
// whether it fires or stops.
struct TimelineMarker {
    enum class Kind { Cue, ManualStop, TimedStop, ResetStop };

    int row = 0;          // 1-based cue row
    int centiseconds = 0; // within the segment
    Kind kind = Kind::Cue;

    bool isStop() const { return kind != Kind::Cue; }
};

} // namespace zyn
