#pragma once

namespace zyn::CheckTextId {

// Language texts of the show check: one per rule, the settings file, then
// the desktop's findings window.
enum : int {
    LevelOutOfRange = 380,
    TooManyChannels = 381,
    ChannelFiresNothing = 382,
    ChannelOnUntimedCue = 383,
    TimedCueWithoutChannels = 384,
    TimeOrder = 385,
    ModuleGap = 386,
    TimeNotWellFormed = 387,
    SettingIgnored = 395,
    // The desktop's findings window and the check before a transfer.
    MenuItem = 396,
    WindowCaption = 397,
    FindingColumn = 398,
    KeyColumn = 399,
    Summary = 400,
    NoFindings = 401,
    TransferAnywayQuestion = 402,
    TransferRefused = 406,
};

} // namespace zyn::CheckTextId
