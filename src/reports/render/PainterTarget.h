#pragma once

#include "DrawingTarget.h"

#include <QFontMetricsF>

class QPainter;

namespace zyn {

// Draws on any paint device through an active painter, in millimetres
// converted by the device's resolution: a preview surface, a printer or a
// PDF writer. On a paged device (printer, PDF) it also takes whole jobs.
class PainterTarget : public PrintTarget {
public:
    // The painter must be active on its device for the target's lifetime.
    explicit PainterTarget(QPainter& painter);

    void clear() override;
    void setFont(const ReportFont& font) override;
    double textWidth(const QString& text) const override;
    double textHeight() const override;
    void printText(double x, double y, const QString& text, double clipRight) override;
    void drawLine(double x1, double y1, double x2, double y2) override;
    void drawRect(double x1, double y1, double x2, double y2) override;

    void newPage() override;
    void endDoc() override;

private:
    double toDeviceX(double mm) const { return mm * m_unitsPerMmX; }
    double toDeviceY(double mm) const { return mm * m_unitsPerMmY; }

    QPainter& m_painter;
    double m_unitsPerMmX;
    double m_unitsPerMmY;
    QFontMetricsF m_metrics;
};

} // namespace zyn
