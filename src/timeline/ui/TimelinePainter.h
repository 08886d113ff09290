#pragma once

#include "TimelineContent.h"
#include "TimelineScale.h"

#include <QRect>

class QPainter;
class QPalette;

namespace zyn {

// Draws one segment of the timeline: the time axis on top, the waveform and
// its beats below, the cue markers across both and the playhead. Only what
// lies in view is drawn, and crowded labels are left out, so a full show
// paints as fast as a short one.
class TimelinePainter {
public:
    static constexpr int AxisHeight = 20;
    static constexpr int LabelHeight = 16;

    TimelinePainter(QPainter& painter, const QRect& area, const TimelineScale& scale,
                    const QPalette& palette);

    void paint(const TimelineContent& content);

private:
    void paintAxis();
    void paintWaveform(const TimelineContent& content);
    void paintBeats(const TimelineContent& content);
    void paintMarkers(const TimelineContent& content);
    void paintStop(const TimelineMarker& marker, int x, bool selected);
    void paintPlayhead(int centiseconds);
    QRect waveArea() const;
    bool inView(double x) const { return x >= -8 && x <= m_area.width() + 8; }

    QPainter& m_painter;
    QRect m_area;
    const TimelineScale& m_scale;
    const QPalette& m_palette;
};

} // namespace zyn
