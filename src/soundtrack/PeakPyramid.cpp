#include "PeakPyramid.h"

#include <algorithm>
#include <cmath>

namespace zyn {

namespace {

// Frames per column of the finest level: under 1.5 ms at 44.1 kHz, finer
// than any zoom the timeline offers.
constexpr qint64 BaseBlock = 64;

using Column = PeakPyramid::Column;

Column merged(const Column& a, const Column& b) {
    return {std::min(a.min, b.min), std::max(a.max, b.max)};
}

std::vector<Column> finestLevel(const DecodedAudio& audio) {
    const qint64 frames = audio.frames();
    std::vector<Column> level(size_t((frames + BaseBlock - 1) / BaseBlock));
    const qint16* sample = audio.samples.data();
    for (size_t block = 0; block < level.size(); ++block) {
        const qint64 end = std::min(frames, qint64(block + 1) * BaseBlock);
        const qint16* last = audio.samples.data() + end * audio.channels;
        const auto [low, high] = std::minmax_element(sample, last);
        level[block] = {float(*low) / 32768.0f, float(*high) / 32768.0f};
        sample = last;
    }
    return level;
}

std::vector<Column> halved(const std::vector<Column>& finer) {
    std::vector<Column> level((finer.size() + 1) / 2);
    for (size_t i = 0; i < level.size(); ++i)
        level[i] = 2 * i + 1 < finer.size() ? merged(finer[2 * i], finer[2 * i + 1]) : finer[2 * i];
    return level;
}

} // namespace

PeakPyramid PeakPyramid::build(const DecodedAudio& audio) {
    PeakPyramid pyramid;
    pyramid.m_frames = audio.frames();
    pyramid.m_sampleRate = audio.sampleRate;
    if (pyramid.m_frames == 0)
        return pyramid;
    pyramid.m_levels.push_back(finestLevel(audio));
    while (pyramid.m_levels.back().size() > 1)
        pyramid.m_levels.push_back(halved(pyramid.m_levels.back()));
    return pyramid;
}

std::vector<PeakPyramid::Column> PeakPyramid::columns(qint64 firstFrame, qint64 endFrame,
                                                      int columns) const {
    std::vector<Column> out(size_t(std::max(columns, 0)));
    if (out.empty() || endFrame <= firstFrame || m_levels.empty())
        return out;
    const double span = double(endFrame - firstFrame) / columns;
    // The coarsest level whose blocks are no wider than a column.
    size_t level = 0;
    while (level + 1 < m_levels.size() && double(BaseBlock << (level + 1)) <= span)
        ++level;
    const std::vector<Column>& blocks = m_levels[level];
    const double blockFrames = double(BaseBlock << level);
    for (int c = 0; c < columns; ++c) {
        const double from = std::max(0.0, firstFrame + c * span);
        const double to = std::min(double(m_frames), firstFrame + (c + 1) * span);
        if (to <= from)
            continue;
        const auto first = size_t(std::floor(from / blockFrames));
        const auto end = std::min(blocks.size(), size_t(std::ceil(to / blockFrames)));
        Column column = blocks[first];
        for (size_t b = first + 1; b < end; ++b)
            column = merged(column, blocks[b]);
        out[size_t(c)] = column;
    }
    return out;
}

} // namespace zyn
