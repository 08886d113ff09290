#pragma once

#include "BeatGrid.h"
#include "DecodedAudio.h"
#include "PeakPyramid.h"

namespace zyn {

// A soundtrack once decoded and analysed: the samples playback feeds from,
// the waveform the timeline draws and the beats markers snap to.
struct SoundtrackAudio {
    DecodedAudio audio;
    PeakPyramid peaks;
    BeatGrid beats;
};

} // namespace zyn
