#pragma once

#include "TimelineMarker.h"

#include <vector>

namespace zyn {

class Show;
struct StopLabels;

// The cue rows of a show laid out on segments: a reset stop opens the next
// segment, whose times count from zero again, as the cue sort counts them.
// A stop sits at the time of the last timed cue before it in its segment
// (the start of the segment when there is none), where the controller would
// halt. Segments are numbered from 1.
class TimelineMarkers {
public:
    TimelineMarkers() = default;
    TimelineMarkers(const Show& show, const StopLabels& labels);

    // The segment a row belongs to (an empty row: that of the row before it).
    int segmentOf(int row) const;
    int segmentCount() const { return m_segmentCount; }
    // The markers of one segment, in row order.
    std::vector<TimelineMarker> inSegment(int segment) const;

private:
    std::vector<TimelineMarker> m_markers;
    std::vector<int> m_segmentOfRow;
    int m_segmentCount = 1;
};

} // namespace zyn
