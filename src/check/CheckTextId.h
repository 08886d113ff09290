#pragma once

namespace zyn::CheckTextId {

// Language texts of the show check: one per rule, then the settings file.
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
};

} // namespace zyn::CheckTextId
