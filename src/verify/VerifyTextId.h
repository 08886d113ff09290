#pragma once

namespace zyn::VerifyTextId {

// Language texts that put a difference between a medium and the show into
// words. A line reads "Cue 12: Slave 3 Ch 5 is missing on the medium" or
// "Cue 40: time on the medium 00:01:02:03, in the show 00:01:02:30".
enum : int {
    Slave = 13,
    Channel = 14,
    SecurityLevel = 111,
    Cue = 429,
    Key = 430,
    TimeOnMedium = 431,
    InTheShow = 432,
    MissingOnMedium = 433,
    OnlyOnMedium = 434,
    LevelOnMedium = 435,
    ChecksumWrong = 436, // followed by the byte's offset
    ChecksumStored = 437,
    ChecksumComputed = 438,
    NoTime = 439,
    ManualShow = 440,
    ReadBackDiffers = 441,
};

} // namespace zyn::VerifyTextId
