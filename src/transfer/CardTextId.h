#pragma once

namespace zyn::CardTextId {

// Language texts of the chip-card transfer.
enum : int {
    CloseButton = 75,
    StartBlockWritten = 166,
    WritingTimes = 167,
    WritingCueNumbers = 168,
    WritingLevels = 169,
    CardComplete = 170,
    WriteButton = 171,
    Caption = 172,
    ReaderLabel = 300,
    PcscReader = 301,
    EmulatedCard = 302,
    WriteFailed = 303,
    WriteStopped = 304,
    ReadingBack = 305,
    CardVerified = 306,
    CardDiffers = 307,
    ReadBackFailed = 308,
    CheckStopped = 309,
};

} // namespace zyn::CardTextId
