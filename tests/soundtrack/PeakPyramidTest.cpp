// The waveform's columns at every zoom, against the samples themselves.
#include "soundtrack/PeakPyramid.h"

#include <QRandomGenerator>
#include <algorithm>
#include <cmath>
#include <gtest/gtest.h>

using namespace zyn;

namespace {

// Stereo noise at a tenth of full scale, with one loud sample on each
// channel at different frames.
DecodedAudio noise(qint64 frames) {
    DecodedAudio audio{44100, 2, std::vector<qint16>(size_t(frames * 2))};
    QRandomGenerator generator(5);
    for (qint16& sample : audio.samples)
        sample = qint16(generator.bounded(-3276, 3277));
    audio.samples[2 * 70001] = 30000;       // left
    audio.samples[2 * 123457 + 1] = -32768; // right
    return audio;
}

PeakPyramid::Column exact(const DecodedAudio& audio, qint64 from, qint64 to) {
    const auto [low, high] = std::minmax_element(audio.samples.begin() + from * audio.channels,
                                                 audio.samples.begin() + to * audio.channels);
    return {*low / 32768.0f, *high / 32768.0f};
}

TEST(PeakColumns, HoldEveryPeakOfTheirFramesAtEveryZoomAndSilenceBeyondTheAudio) {
    const qint64 frames = 200000;
    const DecodedAudio audio = noise(frames);
    const PeakPyramid pyramid = PeakPyramid::build(audio);
    const struct {
        qint64 first;
        qint64 end;
        int columns;
    } views[] = {
        {0, frames, 1},             // the whole file in one column
        {0, frames, 3125},          // the finest level, column for block
        {0, frames, 781},           // a coarse level, columns across blocks
        {69000, 71000, 2000},       // closer than the finest level
        {123000, 124000, 7},        // a few frames, unaligned
        {-1000, frames + 5000, 52}, // beyond both ends
    };
    for (const auto& view : views) {
        SCOPED_TRACE(testing::Message()
                     << view.first << ".." << view.end << " in " << view.columns);
        const std::vector<PeakPyramid::Column> columns =
            pyramid.columns(view.first, view.end, view.columns);
        ASSERT_EQ(columns.size(), size_t(view.columns));
        const double span = double(view.end - view.first) / view.columns;
        for (int c = 0; c < view.columns; ++c) {
            const auto from = qint64(view.first + c * span);
            const auto to = qint64(view.first + (c + 1) * span);
            if (to <= 0 || from >= frames) {
                EXPECT_EQ(columns[c].min, 0.0f) << c;
                EXPECT_EQ(columns[c].max, 0.0f) << c;
                continue;
            }
            const PeakPyramid::Column truth =
                exact(audio, std::max<qint64>(from, 0), std::min(std::max(to, from + 1), frames));
            // Drawn from whole blocks no wider than a column, a column shows
            // all of its own frames and nothing beyond its neighbours'.
            EXPECT_LE(columns[c].min, truth.min) << c;
            EXPECT_GE(columns[c].max, truth.max) << c;
            const auto width = qint64(std::ceil(std::max(span, 64.0)));
            const PeakPyramid::Column around =
                exact(audio, std::max<qint64>(from - width, 0), std::min(to + width, frames));
            EXPECT_GE(columns[c].min, around.min) << c;
            EXPECT_LE(columns[c].max, around.max) << c;
        }
    }
}

} // namespace
