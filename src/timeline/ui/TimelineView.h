#pragma once

#include "TimelineContent.h"
#include "TimelineScale.h"

#include <QWidget>
#include <functional>

namespace zyn {

// The drawn timeline of one segment and what the mouse and keys do on it:
// Ctrl+wheel and + / - zoom, the wheel scrolls, a click places the playhead,
// a click on a marker selects its cue (Ctrl+click extends the selection) and
// dragging a marker moves its cue, onto the nearest beat while snapping is on
// unless Shift is held. It changes nothing itself: it says what the user did.
class TimelineView : public QWidget {
    Q_OBJECT

public:
    explicit TimelineView(QWidget* parent = nullptr);

    void setContent(TimelineContent content);
    const TimelineContent& content() const { return m_content; }
    void setSelection(RowSpan rows);
    void setPlayhead(int centiseconds);
    void setSnapping(bool on) { m_snapping = on; }
    // The description a marker's tooltip shows.
    void setDescriber(std::function<QString(int row)> describe) {
        m_describe = std::move(describe);
    }

    const TimelineScale& scale() const { return m_scale; }
    // Shows the time at the left edge; clamped to the content.
    void scrollTo(double centiseconds);
    void zoomAt(double factor, double anchorX);
    // The whole length that can be scrolled through, in hundredths.
    int scrollLength() const;
    // The x of a marker's row; below 0 when it has none here.
    int markerX(int row) const;

signals:
    void scaleChanged();
    void playheadRequested(int centiseconds);
    void markerClicked(int row, bool extend);
    void markerDropped(int row, int centiseconds);
    void toggleRequested();

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void wheelEvent(QWheelEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    bool event(QEvent* event) override;

private:
    const TimelineMarker* markerAt(int x) const;
    // A dragged marker's time: snapped to the nearest beat unless freed.
    int dropTime(double centiseconds, bool free) const;
    int draggedTime(const QMouseEvent& event) const;

    TimelineContent m_content;
    TimelineScale m_scale;
    bool m_snapping = true;
    std::function<QString(int)> m_describe;
    // The marker pressed on and where; the drag starts once it moved.
    int m_pressedRow = 0;
    int m_pressedTime = 0;
    int m_pressX = 0;
    bool m_dragging = false;
};

} // namespace zyn
