#pragma once

#include <array>

namespace zyn::TextId {

// Numbers of the language texts the code asks for by name. Windows that only
// set captions from a table of numbers use the numbers as they stand.
enum : int {
    QuestionTitle = 9,
    WarningTitle = 10,
    HeadingTime = 11,
    HeadingDescription = 12,
    HeadingSlave = 13,
    HeadingChannel = 14,
    HeadingCue = 15,
    HeadingStepper = 16,
    StatusLoading = 115,
    StatusSaving = 116,
    StopLabel = 224,
    TimedStopLabel = 225,
    ResetStopLabel = 226,
    ErrorCannotOpen = 234,
    ErrorCannotWrite = 235,
    ErrorTruncated = 236,
    ErrorCountTooLarge = 237,
    ErrorOutOfRange = 238,
    ErrorWrongType = 239,
    WordLine = 240,
    ErrorUnstorable = 241,
    LanguageMissing = 242,
    SettingsNotSaved = 243,
    ErrorNotAProject = 244,
};

// Every text from 1 to CoreHighest is used somewhere except the Unused ones;
// texts above it are named by the subsystems that use them (their *TextId.h).
inline constexpr int CoreHighest = 233;
// Every text number lies below this bound.
inline constexpr int Bound = 1000;
inline constexpr std::array<int, 10> Unused = {34, 35, 36, 37, 41, 78, 149, 153, 162, 217};

} // namespace zyn::TextId
