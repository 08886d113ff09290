#include "TimelineMarkers.h"

#include "check/CueTimeline.h"
#include "show/Show.h"

namespace zyn {

namespace {

TimelineMarker::Kind markerKind(CueTimeline::Kind kind) {
    switch (kind) {
    case CueTimeline::Kind::Stop:
        return TimelineMarker::Kind::ManualStop;
    case CueTimeline::Kind::TimedStop:
        return TimelineMarker::Kind::TimedStop;
    case CueTimeline::Kind::ResetStop:
        return TimelineMarker::Kind::ResetStop;
    default:
        return TimelineMarker::Kind::Cue;
    }
}

} // namespace

TimelineMarkers::TimelineMarkers(const Show& show, const StopLabels& labels)
    : m_segmentOfRow(MaxCues + 1, 1) {
    const CueTimeline timeline(show, labels);
    int lastTime = 0;
    int segment = 0;
    for (int r = 1; r <= MaxCues; ++r) {
        const CueTimeline::Row& row = timeline.row(r);
        if (row.segment != segment) {
            segment = row.segment;
            lastTime = 0;
        }
        m_segmentOfRow[size_t(r)] = row.segment + 1;
        if (row.kind == CueTimeline::Kind::NoTime)
            continue;
        if (row.kind == CueTimeline::Kind::Timed)
            lastTime = int(row.hundredths);
        m_markers.push_back({r, lastTime, markerKind(row.kind)});
    }
    m_segmentCount = segment + 1;
}

int TimelineMarkers::segmentOf(int row) const {
    if (row < 1 || size_t(row) >= m_segmentOfRow.size())
        return 1;
    return m_segmentOfRow[size_t(row)];
}

std::vector<TimelineMarker> TimelineMarkers::inSegment(int segment) const {
    std::vector<TimelineMarker> markers;
    for (const TimelineMarker& marker : m_markers) {
        if (segmentOf(marker.row) == segment)
            markers.push_back(marker);
    }
    return markers;
}

} // namespace zyn
