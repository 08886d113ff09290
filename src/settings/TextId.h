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

// The highest number in use; every number from 1 up to it is used somewhere,
// except these, which no window or message asks for.
inline constexpr int Highest = 245;
inline constexpr std::array<int, 10> Unused = {34, 35, 36, 37, 41, 78, 149, 153, 162, 217};

} // namespace zyn::TextId
