#pragma once

#include "fakes/PulseAudioService.h"
#include "soundtrack/DecodedAudio.h"

#include <memory>

namespace zyn::test {

// Noise at the sound server's own rate and channel count: no frame repeats
// and none is silent, so where the track lies in a recording of the sink is
// found exactly, and the server passes the samples through unchanged.
inline std::shared_ptr<DecodedAudio> noiseTrack(double seconds) {
    auto audio = std::make_shared<DecodedAudio>();
    audio->sampleRate = PulseAudioService::SampleRate;
    audio->channels = PulseAudioService::Channels;
    audio->samples.resize(size_t(seconds * audio->sampleRate) * size_t(audio->channels));
    quint32 state = 12345;
    for (qint16& sample : audio->samples) {
        state = state * 1664525u + 1013904223u;
        const int value = int(state >> 16) % 16000 - 8000;
        sample = qint16(value == 0 ? 1 : value);
    }
    return audio;
}

} // namespace zyn::test
