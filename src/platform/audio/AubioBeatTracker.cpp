#include "AubioBeatTracker.h"

#include <aubio/aubio.h>
#include <memory>

namespace zyn {

namespace {

// The tracker's analysis window and step, in frames: aubio's own choice for
// music at 44.1 kHz, about 23 ms and 12 ms.
constexpr uint_t WindowFrames = 1024;
constexpr uint_t HopFrames = 512;
// The stretch around a beat that must not be silent for it to count: the
// tracker places beats up to a window away from the hit.
constexpr uint_t AroundFrames = 4 * WindowFrames;

struct TempoDeleter {
    void operator()(aubio_tempo_t* tempo) const { del_aubio_tempo(tempo); }
};
struct VectorDeleter {
    void operator()(fvec_t* vector) const { del_fvec(vector); }
};
using Vector = std::unique_ptr<fvec_t, VectorDeleter>;

// The frames from `first` on as one channel, -1 to 1, as many as `out`
// holds; silence outside the audio.
void mix(const DecodedAudio& audio, qint64 first, fvec_t* out) {
    const qint64 frames = audio.frames();
    const float scale = 1.0f / (32768.0f * float(audio.channels));
    for (uint_t i = 0; i < out->length; ++i) {
        float sum = 0.0f;
        if (first + i >= 0 && first + i < frames) {
            const qint16* frame = audio.samples.data() + (first + i) * audio.channels;
            for (int c = 0; c < audio.channels; ++c)
                sum += float(frame[c]);
        }
        out->data[i] = sum * scale;
    }
}

// The frames of every beat the tracker places. It withdraws a beat whose hop
// is silent, which drops the beats of sparse percussion that it places a
// few milliseconds before the hit; silence is judged afterwards, around the
// beat.
std::vector<qint64> placedBeats(const DecodedAudio& audio, aubio_tempo_t* tempo) {
    std::vector<qint64> beats;
    const Vector hop(new_fvec(HopFrames));
    const Vector beat(new_fvec(1));
    if (!hop || !beat)
        return beats;
    uint_t lastBeat = aubio_tempo_get_last(tempo);
    for (qint64 first = 0; first < audio.frames(); first += HopFrames) {
        mix(audio, first, hop.get());
        aubio_tempo_do(tempo, hop.get(), beat.get());
        const uint_t last = aubio_tempo_get_last(tempo);
        if (last != lastBeat)
            beats.push_back(qint64(last));
        lastBeat = last;
    }
    return beats;
}

bool silentAround(const DecodedAudio& audio, qint64 frame, smpl_t threshold, fvec_t* window) {
    mix(audio, frame - AroundFrames / 2, window);
    return aubio_silence_detection(window, threshold) != 0;
}

} // namespace

BeatGrid AubioBeatTracker::track(const DecodedAudio& audio) const {
    BeatGrid grid;
    if (audio.sampleRate <= 0 || audio.frames() == 0)
        return grid;
    const std::unique_ptr<aubio_tempo_t, TempoDeleter> tempo(
        new_aubio_tempo("default", WindowFrames, HopFrames, uint_t(audio.sampleRate)));
    const Vector window(new_fvec(AroundFrames));
    if (!tempo || !window)
        return grid;
    const smpl_t silence = aubio_tempo_get_silence(tempo.get());
    for (const qint64 frame : placedBeats(audio, tempo.get())) {
        if (frame >= 0 && !silentAround(audio, frame, silence, window.get()))
            grid.beats.push_back(double(frame) / audio.sampleRate);
    }
    grid.tempo = grid.beats.size() > 1 ? double(aubio_tempo_get_bpm(tempo.get())) : 0.0;
    return grid;
}

} // namespace zyn
