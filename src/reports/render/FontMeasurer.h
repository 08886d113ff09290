#pragma once

#include "reports/TextMeasurer.h"

#include <QFontMetricsF>
#include <QImage>

namespace zyn {

// The table font's metrics at one fixed fine resolution, whatever the
// target: a report built with them pages and wraps the same on screen, on
// paper and in a PDF. Needs a running QGuiApplication (fonts).
class FontMeasurer : public TextMeasurer {
public:
    FontMeasurer();

    double textWidth(const QString& text) const override;
    double lineHeight() const override;

private:
    QImage m_device;
    QFontMetricsF m_metrics;
    double m_unitsPerMm;
};

} // namespace zyn
