#include "TimelinePainter.h"

#include <QPainter>
#include <QPalette>
#include <QPolygon>
#include <algorithm>
#include <array>
#include <cmath>
#include <limits>

namespace zyn {

namespace {

constexpr int MinLabelSpacing = 90; // px between time labels
constexpr int MinBeatSpacing = 3;   // px; denser beats are left out
constexpr int StopSize = 5;
const QColor WaveColour(70, 130, 180);
const QColor BeatColour(200, 140, 0);
const QColor PlayheadColour(220, 0, 0);
const QColor StopColour(160, 0, 160);

// The step between two labelled ticks: the smallest whose labels do not
// crowd each other at this zoom.
int labelStep(double perPixel) {
    static constexpr std::array<int, 19> Steps = {1,     2,     5,      10,     20,    50,   100,
                                                  200,   500,   1000,   1500,   3000,  6000, 12000,
                                                  30000, 60000, 180000, 360000, 720000};
    for (const int step : Steps) {
        if (step / perPixel >= MinLabelSpacing)
            return step;
    }
    return Steps.back() * 2;
}

QString timeLabel(qint64 centiseconds, bool withHundredths) {
    const qint64 seconds = centiseconds / 100;
    QString text = QStringLiteral("%1:%2:%3")
                       .arg(seconds / 3600, 2, 10, QLatin1Char('0'))
                       .arg(seconds / 60 % 60, 2, 10, QLatin1Char('0'))
                       .arg(seconds % 60, 2, 10, QLatin1Char('0'));
    if (withHundredths)
        text += QStringLiteral(":%1").arg(centiseconds % 100, 2, 10, QLatin1Char('0'));
    return text;
}

} // namespace

TimelinePainter::TimelinePainter(QPainter& painter, const QRect& area, const TimelineScale& scale,
                                 const QPalette& palette)
    : m_painter(painter), m_area(area), m_scale(scale), m_palette(palette) {}

void TimelinePainter::paint(const TimelineContent& content) {
    m_painter.fillRect(m_area, m_palette.base());
    paintWaveform(content);
    paintBeats(content);
    paintAxis();
    paintMarkers(content);
    if (content.playhead >= 0)
        paintPlayhead(content.playhead);
}

QRect TimelinePainter::waveArea() const {
    return m_area.adjusted(0, AxisHeight + LabelHeight, 0, 0);
}

void TimelinePainter::paintAxis() {
    const QRect axis(m_area.left(), m_area.top(), m_area.width(), AxisHeight);
    m_painter.fillRect(axis, m_palette.window());
    m_painter.setPen(m_palette.color(QPalette::WindowText));
    const int step = labelStep(m_scale.perPixel);
    const int minor = std::max(1, step / 5);
    const qint64 last = qint64(m_scale.centiseconds(m_area.width()));
    QVector<QLineF> ticks;
    for (qint64 t = qint64(m_scale.first) / minor * minor; t <= last; t += minor) {
        const double x = m_area.left() + m_scale.x(double(t));
        const bool major = t % step == 0;
        ticks.append(QLineF(x, axis.bottom() - (major ? 8 : 4), x, axis.bottom()));
        if (major)
            m_painter.drawText(QPointF(x + 3, axis.top() + 12), timeLabel(t, step < 100));
    }
    m_painter.drawLines(ticks);
    m_painter.drawLine(axis.bottomLeft(), axis.bottomRight());
}

void TimelinePainter::paintWaveform(const TimelineContent& content) {
    if (!content.audio || content.audio->peaks.sampleRate() <= 0)
        return;
    const PeakPyramid& peaks = content.audio->peaks;
    const double framesPerCs = peaks.sampleRate() / 100.0;
    const double audioEnd = content.audioStart + peaks.frames() / framesPerCs;
    const int from = std::max(0, int(std::ceil(m_scale.x(content.audioStart))));
    const int to = std::min(m_area.width(), int(std::ceil(m_scale.x(audioEnd))));
    if (to <= from)
        return;
    const auto frameAt = [&](int x) {
        return qint64((m_scale.centiseconds(x) - content.audioStart) * framesPerCs);
    };
    const std::vector<PeakPyramid::Column> columns =
        peaks.columns(frameAt(from), frameAt(to), to - from);
    const QRect wave = waveArea();
    const double middle = wave.center().y();
    const double half = wave.height() / 2.0 - 2;
    QVector<QLineF> lines;
    lines.reserve(int(columns.size()));
    for (size_t i = 0; i < columns.size(); ++i) {
        const double x = m_area.left() + from + double(i) + 0.5;
        lines.append(QLineF(x, middle - columns[i].max * half, x, middle - columns[i].min * half));
    }
    m_painter.setPen(WaveColour);
    m_painter.drawLines(lines);
}

void TimelinePainter::paintBeats(const TimelineContent& content) {
    if (!content.audio)
        return;
    const std::vector<double>& beats = content.audio->beats.beats;
    const double firstSecond = (m_scale.first - content.audioStart) / 100.0;
    const double lastSecond = (m_scale.centiseconds(m_area.width()) - content.audioStart) / 100.0;
    auto it = std::lower_bound(beats.begin(), beats.end(), firstSecond);
    const auto end = std::upper_bound(it, beats.end(), lastSecond);
    if (end - it > m_area.width() / MinBeatSpacing)
        return;
    const QRect wave = waveArea();
    QVector<QLineF> ticks;
    for (; it != end; ++it) {
        const double x = m_area.left() + m_scale.x(content.audioStart + *it * 100.0);
        ticks.append(QLineF(x, wave.bottom() - 8, x, wave.bottom()));
    }
    m_painter.setPen(BeatColour);
    m_painter.drawLines(ticks);
}

void TimelinePainter::paintMarkers(const TimelineContent& content) {
    QVector<QLineF> plain;
    QVector<QLineF> selected;
    const int top = m_area.top() + AxisHeight;
    const int bottom = m_area.bottom();
    const int charWidth = m_painter.fontMetrics().horizontalAdvance(QLatin1Char('0'));
    int labelsEnd = std::numeric_limits<int>::min();
    const QColor highlight = m_palette.color(QPalette::Highlight);
    const QColor text = m_palette.color(QPalette::Text);
    for (const TimelineMarker& marker : content.markers) {
        const double x = m_area.left() + m_scale.x(content.timeOf(marker));
        if (!inView(x))
            continue;
        const bool isSelected = content.isSelected(marker.row);
        (isSelected ? selected : plain).append(QLineF(x, top, x, bottom));
        if (marker.isStop())
            paintStop(marker, int(x), isSelected);
        const QString number = QString::number(marker.row);
        const int labelX = int(x) + (marker.isStop() ? StopSize + 2 : 2);
        if (labelX <= labelsEnd && !isSelected)
            continue;
        m_painter.setPen(isSelected ? highlight : text);
        m_painter.drawText(QPoint(labelX, top + LabelHeight - 4), number);
        labelsEnd = labelX + charWidth * int(number.size()) + 2;
    }
    m_painter.setPen(QPen(m_palette.color(QPalette::Mid), 1));
    m_painter.drawLines(plain);
    m_painter.setPen(QPen(highlight, 2));
    m_painter.drawLines(selected);
}

void TimelinePainter::paintStop(const TimelineMarker& marker, int x, bool selected) {
    const int y = m_area.top() + AxisHeight + LabelHeight / 2;
    const int s = StopSize;
    QPolygon shape;
    switch (marker.kind) {
    case TimelineMarker::Kind::ManualStop:
        shape << QPoint(x - s, y - s) << QPoint(x + s, y - s) << QPoint(x + s, y + s)
              << QPoint(x - s, y + s);
        break;
    case TimelineMarker::Kind::TimedStop:
        shape << QPoint(x - s, y - s) << QPoint(x + s, y - s) << QPoint(x, y + s);
        break;
    default: // a reset stop
        shape << QPoint(x, y - s) << QPoint(x + s, y) << QPoint(x, y + s) << QPoint(x - s, y);
        break;
    }
    const QColor colour = selected ? m_palette.color(QPalette::Highlight) : StopColour;
    m_painter.setPen(colour);
    m_painter.setBrush(colour);
    m_painter.drawPolygon(shape);
    m_painter.setBrush(Qt::NoBrush);
}

void TimelinePainter::paintPlayhead(int centiseconds) {
    const double x = m_area.left() + m_scale.x(centiseconds);
    if (!inView(x))
        return;
    m_painter.setPen(QPen(PlayheadColour, 2));
    m_painter.drawLine(QLineF(x, m_area.top(), x, m_area.bottom()));
}

} // namespace zyn
