#include "TimelineContent.h"

#include <algorithm>

namespace zyn {

int TimelineContent::end() const {
    int last = markers.empty() ? 0 : markers.back().centiseconds;
    if (audio)
        last = std::max(last, audioStart + int(audio->audio.duration() * 100.0));
    if (audio && audio->peaks.sampleRate() > 0)
        last = std::max(last,
                        audioStart + int(audio->peaks.frames() * 100 / audio->peaks.sampleRate()));
    return std::max(last, playhead);
}

} // namespace zyn
