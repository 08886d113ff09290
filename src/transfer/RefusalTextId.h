#pragma once

namespace zyn::RefusalTextId {

// Language texts that say why a show cannot become a controller table. Each
// is followed by the cue, key or cell concerned.
enum : int {
    TooManyCueChannels = 260,
    TooManyKeyChannels = 261,
    LevelNotWhole = 262,
};

} // namespace zyn::RefusalTextId
