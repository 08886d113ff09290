#pragma once

#include <QtGlobal>
#include <vector>

namespace zyn {

// A soundtrack decoded once to PCM: 16-bit samples, channels interleaved,
// at the file's own rate. Everything after the decoder (peaks, beats,
// playback) reads these samples; nothing decodes the file a second time.
struct DecodedAudio {
    int sampleRate = 0;
    int channels = 0;
    std::vector<qint16> samples;

    qint64 frames() const { return channels > 0 ? qint64(samples.size()) / channels : 0; }
    double duration() const { return sampleRate > 0 ? double(frames()) / sampleRate : 0.0; }
};

} // namespace zyn
