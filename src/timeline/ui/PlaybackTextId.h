#pragma once

namespace zyn::PlaybackTextId {

// Language texts of the soundtrack's playback.
enum : int {
    NoSoundOutput = 490,
    FormatRejected = 491, // %1 sample rate, %2 channels
    OutputNotOpened = 492,
};

} // namespace zyn::PlaybackTextId
