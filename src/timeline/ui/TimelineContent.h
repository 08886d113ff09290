#pragma once

#include "TimelineMarker.h"
#include "editor/EditResult.h"
#include "soundtrack/SoundtrackAudio.h"

#include <memory>
#include <vector>

namespace zyn {

// Everything the timeline draws of one segment.
struct TimelineContent {
    // Ascending by time.
    std::vector<TimelineMarker> markers;
    // The soundtrack when it plays in this segment, and the time of its
    // first sample there.
    std::shared_ptr<const SoundtrackAudio> audio;
    int audioStart = 0;
    // The cue rows selected in the cue grid.
    RowSpan selection;
    // Hundredths; below 0 when there is none.
    int playhead = -1;
    // A marker being dragged and where it is now (row 0: none).
    int draggedRow = 0;
    int draggedTo = 0;

    bool isSelected(int row) const {
        return !selection.isEmpty() && row >= selection.first && row <= selection.last;
    }
    int timeOf(const TimelineMarker& marker) const {
        return marker.row == draggedRow ? draggedTo : marker.centiseconds;
    }
    // Where the content ends: the last marker or the end of the audio.
    int end() const;
};

} // namespace zyn
