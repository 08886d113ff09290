#include "FontMeasurer.h"

#include "ReportFonts.h"

namespace zyn {

namespace {

constexpr int DotsPerMetre = 47244; // 1200 dots per inch, as a PDF is drawn

QImage referenceDevice() {
    QImage image(1, 1, QImage::Format_Mono);
    image.setDotsPerMeterX(DotsPerMetre);
    image.setDotsPerMeterY(DotsPerMetre);
    return image;
}

QFont tableFont() {
    QFont font(ReportFonts::family());
    font.setPointSizeF(ReportFonts::text().size);
    return font;
}

} // namespace

FontMeasurer::FontMeasurer()
    : m_device(referenceDevice()), m_metrics(tableFont(), &m_device),
      m_unitsPerMm(m_device.logicalDpiX() / 25.4) {}

double FontMeasurer::textWidth(const QString& text) const {
    return m_metrics.horizontalAdvance(text) / m_unitsPerMm;
}

double FontMeasurer::lineHeight() const {
    return m_metrics.height() / m_unitsPerMm;
}

} // namespace zyn
