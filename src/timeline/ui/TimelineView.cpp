#include "TimelineView.h"

#include "TimelinePainter.h"

#include <QApplication>
#include <QHelpEvent>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QToolTip>
#include <QWheelEvent>
#include <cmath>

namespace zyn {

namespace {

constexpr int HitDistance = 5;            // px either side of a marker
constexpr int LastTime = 24 * 360000 - 1; // 23:59:59:99
constexpr double ZoomStep = 1.25;         // per key press or wheel notch
constexpr double WheelScrollShare = 0.1;  // of the width per wheel notch
constexpr int TailMargin = 1000;          // hundredths after the content

} // namespace

TimelineView::TimelineView(QWidget* parent) : QWidget(parent) {
    setObjectName(QStringLiteral("timelineView"));
    setFocusPolicy(Qt::StrongFocus);
    setMouseTracking(false);
    setMinimumHeight(TimelinePainter::AxisHeight + TimelinePainter::LabelHeight + 24);
}

void TimelineView::setContent(TimelineContent content) {
    const RowSpan selection = m_content.selection;
    const int playhead = m_content.playhead;
    m_content = std::move(content);
    m_content.selection = selection;
    m_content.playhead = playhead;
    std::stable_sort(m_content.markers.begin(), m_content.markers.end(),
                     [](const auto& a, const auto& b) { return a.centiseconds < b.centiseconds; });
    scrollTo(m_scale.first);
    update();
}

void TimelineView::setSelection(RowSpan rows) {
    m_content.selection = rows;
    update();
}

void TimelineView::setPlayhead(int centiseconds) {
    m_content.playhead = centiseconds;
    update();
}

int TimelineView::scrollLength() const {
    return m_content.end() + TailMargin;
}

void TimelineView::scrollTo(double centiseconds) {
    const double last = std::max(0.0, scrollLength() - width() * m_scale.perPixel);
    m_scale.first = std::clamp(centiseconds, 0.0, last);
    update();
    emit scaleChanged();
}

void TimelineView::zoomAt(double factor, double anchorX) {
    m_scale.zoomAt(factor, anchorX);
    scrollTo(m_scale.first);
}

int TimelineView::markerX(int row) const {
    for (const TimelineMarker& marker : m_content.markers) {
        if (marker.row == row)
            return int(std::lround(m_scale.x(m_content.timeOf(marker))));
    }
    return -1;
}

void TimelineView::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    TimelinePainter(painter, rect(), m_scale, palette()).paint(m_content);
}

const TimelineMarker* TimelineView::markerAt(int x) const {
    const TimelineMarker* nearest = nullptr;
    double distance = HitDistance + 1;
    for (const TimelineMarker& marker : m_content.markers) {
        const double d = std::abs(m_scale.x(marker.centiseconds) - x);
        if (d < distance) {
            distance = d;
            nearest = &marker;
        }
    }
    return nearest;
}

void TimelineView::mousePressEvent(QMouseEvent* event) {
    if (event->button() != Qt::LeftButton)
        return;
    setFocus(Qt::MouseFocusReason);
    const int x = int(event->position().x());
    if (const TimelineMarker* marker = markerAt(x)) {
        m_pressedRow = marker->row;
        m_pressedTime = marker->centiseconds;
        m_pressX = x;
        emit markerClicked(marker->row, event->modifiers().testFlag(Qt::ControlModifier));
        return;
    }
    emit playheadRequested(int(std::lround(m_scale.centiseconds(x))));
}

int TimelineView::dropTime(double centiseconds, bool free) const {
    int time = std::clamp(int(std::lround(centiseconds)), 0, LastTime);
    if (!m_snapping || free || !m_content.audio)
        return time;
    const std::optional<double> beat =
        m_content.audio->beats.nearest((time - m_content.audioStart) / 100.0);
    if (beat)
        time = std::clamp(int(std::lround(m_content.audioStart + *beat * 100.0)), 0, LastTime);
    return time;
}

int TimelineView::draggedTime(const QMouseEvent& event) const {
    const double moved = (event.position().x() - m_pressX) * m_scale.perPixel;
    return dropTime(m_pressedTime + moved, event.modifiers().testFlag(Qt::ShiftModifier));
}

void TimelineView::mouseMoveEvent(QMouseEvent* event) {
    if (!m_pressedRow)
        return;
    if (!m_dragging &&
        std::abs(event->position().x() - m_pressX) < QApplication::startDragDistance())
        return;
    m_dragging = true;
    m_content.draggedRow = m_pressedRow;
    m_content.draggedTo = draggedTime(*event);
    update();
}

void TimelineView::mouseReleaseEvent(QMouseEvent* event) {
    if (event->button() != Qt::LeftButton || !m_pressedRow)
        return;
    const int row = m_pressedRow;
    const bool dropped = m_dragging;
    const int time = draggedTime(*event);
    m_pressedRow = 0;
    m_dragging = false;
    m_content.draggedRow = 0;
    update();
    if (dropped && time != m_pressedTime)
        emit markerDropped(row, time);
}

void TimelineView::wheelEvent(QWheelEvent* event) {
    const QPoint delta = event->angleDelta();
    const int notches = delta.y() != 0 ? delta.y() : delta.x();
    if (event->modifiers().testFlag(Qt::ControlModifier))
        zoomAt(std::pow(ZoomStep, notches / 120.0), event->position().x());
    else
        scrollTo(m_scale.first - notches / 120.0 * WheelScrollShare * width() * m_scale.perPixel);
    event->accept();
}

void TimelineView::keyPressEvent(QKeyEvent* event) {
    const double page = width() * m_scale.perPixel;
    switch (event->key()) {
    case Qt::Key_Plus:
    case Qt::Key_Equal:
        zoomAt(ZoomStep, width() / 2.0);
        break;
    case Qt::Key_Minus:
        zoomAt(1.0 / ZoomStep, width() / 2.0);
        break;
    case Qt::Key_Left:
        scrollTo(m_scale.first - page * WheelScrollShare);
        break;
    case Qt::Key_Right:
        scrollTo(m_scale.first + page * WheelScrollShare);
        break;
    case Qt::Key_Home:
        scrollTo(0);
        break;
    case Qt::Key_Space:
        emit toggleRequested();
        break;
    default:
        QWidget::keyPressEvent(event);
        return;
    }
    event->accept();
}

bool TimelineView::event(QEvent* event) {
    if (event->type() != QEvent::ToolTip)
        return QWidget::event(event);
    const auto* help = static_cast<QHelpEvent*>(event);
    const TimelineMarker* marker = markerAt(help->pos().x());
    if (marker && m_describe)
        QToolTip::showText(help->globalPos(), m_describe(marker->row), this);
    else
        QToolTip::hideText();
    return true;
}

} // namespace zyn
