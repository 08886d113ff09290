#pragma once

namespace zyn::RefusalTextId {

// Language texts that say why a show cannot become a controller table. Each
// is followed by the cue, key or cell concerned.
enum : int {
    TooManyCueChannels = 260,
    TooManyKeyChannels = 261,
    LevelNotWhole = 262,
    // A shortened listing ends with MoreBefore, the number of places left
    // out, and MoreAfter: "… and 5 more".
    MoreBefore = 360,
    MoreAfter = 361,
};

} // namespace zyn::RefusalTextId
