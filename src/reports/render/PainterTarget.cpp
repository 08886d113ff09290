#include "PainterTarget.h"

#include <QPagedPaintDevice>
#include <QPainter>
#include <cmath>

namespace zyn {

namespace {

constexpr double MmPerInch = 25.4;
// Rules and frames: a fine line that every printer still shows.
constexpr double LineWidthMm = 0.2;

} // namespace

PainterTarget::PainterTarget(QPainter& painter)
    : m_painter(painter), m_unitsPerMmX(painter.device()->logicalDpiX() / MmPerInch),
      m_unitsPerMmY(painter.device()->logicalDpiY() / MmPerInch),
      m_metrics(painter.font(), painter.device()) {
    QPen pen(Qt::black);
    pen.setWidthF(LineWidthMm * m_unitsPerMmX);
    m_painter.setPen(pen);
    m_painter.setBrush(Qt::NoBrush);
}

void PainterTarget::clear() {
    // A new page of a printer or a PDF is blank already; filling it would
    // only add a white rectangle to the job.
    if (dynamic_cast<QPagedPaintDevice*>(m_painter.device()))
        return;
    const QPaintDevice* device = m_painter.device();
    m_painter.fillRect(QRectF(0, 0, device->width(), device->height()), Qt::white);
}

void PainterTarget::setFont(const ReportFont& font) {
    QFont qfont(font.name);
    qfont.setPointSizeF(font.size);
    qfont.setBold(font.bold);
    qfont.setItalic(font.italic);
    qfont.setUnderline(font.underline);
    m_painter.setFont(qfont);
    m_metrics = QFontMetricsF(qfont, m_painter.device());
}

double PainterTarget::textWidth(const QString& text) const {
    return m_metrics.horizontalAdvance(text) / m_unitsPerMmX;
}

double PainterTarget::textHeight() const {
    return m_metrics.height() / m_unitsPerMmY;
}

void PainterTarget::printText(double x, double y, const QString& text, double clipRight) {
    const QPointF baseline(toDeviceX(x), toDeviceY(y) + m_metrics.ascent());
    if (!std::isfinite(clipRight)) {
        m_painter.drawText(baseline, text);
        return;
    }
    m_painter.save();
    m_painter.setClipRect(
        QRectF(toDeviceX(x), toDeviceY(y), toDeviceX(clipRight - x), m_metrics.height()));
    m_painter.drawText(baseline, text);
    m_painter.restore();
}

void PainterTarget::drawLine(double x1, double y1, double x2, double y2) {
    m_painter.drawLine(QLineF(toDeviceX(x1), toDeviceY(y1), toDeviceX(x2), toDeviceY(y2)));
}

void PainterTarget::drawRect(double x1, double y1, double x2, double y2) {
    m_painter.drawRect(
        QRectF(QPointF(toDeviceX(x1), toDeviceY(y1)), QPointF(toDeviceX(x2), toDeviceY(y2)))
            .normalized());
}

void PainterTarget::newPage() {
    if (auto* paged = dynamic_cast<QPagedPaintDevice*>(m_painter.device()))
        paged->newPage();
}

void PainterTarget::endDoc() {
    if (m_painter.isActive())
        m_painter.end();
}

} // namespace zyn
