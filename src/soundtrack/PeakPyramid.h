#pragma once

#include "DecodedAudio.h"

#include <vector>

namespace zyn {

// The waveform of decoded audio as minimum and maximum per block of frames
// (all channels together, -1 to 1), kept at several block sizes so that any
// zoom is drawn from the nearest finer level and never from the samples.
class PeakPyramid {
public:
    struct Column {
        float min = 0.0f;
        float max = 0.0f;
    };

    static PeakPyramid build(const DecodedAudio& audio);

    // The frames [firstFrame, endFrame) split into `columns` equal parts, the
    // minimum and maximum of each; parts beyond the audio are silent (0, 0).
    std::vector<Column> columns(qint64 firstFrame, qint64 endFrame, int columns) const;

    qint64 frames() const { return m_frames; }
    int sampleRate() const { return m_sampleRate; }

private:
    // m_levels[0] holds one column per BaseBlock frames; each next level
    // halves the count.
    std::vector<std::vector<Column>> m_levels;
    qint64 m_frames = 0;
    int m_sampleRate = 0;
};

} // namespace zyn
