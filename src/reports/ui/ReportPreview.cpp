#include "ReportPreview.h"

#include "reports/Report.h"
#include "reports/render/PainterTarget.h"
#include "reports/render/ReportRenderer.h"

#include <QPainter>
#include <cmath>

namespace zyn {

namespace {

constexpr double MmPerInch = 25.4;
// See PaperGeometry: the area keeps half a millimetre free of the edge.
constexpr double EdgeAllowance = 0.5;

} // namespace

ReportPreview::ReportPreview(QWidget* parent) : QWidget(parent) {
    setObjectName(QStringLiteral("Preview"));
    setAttribute(Qt::WA_OpaquePaintEvent);
}

void ReportPreview::showPage(const ReportRenderer& renderer, const Report& report, int page) {
    const PaperGeometry& g = report.Geometry;
    const QSizeF sheetMm = g.paperSizeMm();
    const double ratio = devicePixelRatioF();
    const double dotsPerMm = logicalDpiX() * ratio / MmPerInch;
    const QSize pixels(int(std::ceil(sheetMm.width() * dotsPerMm)),
                       int(std::ceil(sheetMm.height() * dotsPerMm)));

    QImage image(pixels, QImage::Format_RGB32);
    image.setDotsPerMeterX(qRound(dotsPerMm * 1000));
    image.setDotsPerMeterY(qRound(dotsPerMm * 1000));
    image.fill(Qt::white);
    QPainter painter(&image);
    painter.setRenderHints(QPainter::Antialiasing | QPainter::TextAntialiasing);
    // The drawing area lies centred on the sheet, as on the printer.
    painter.translate(
        std::max(0.0, (sheetMm.width() - g.PageWidth - EdgeAllowance) / 2) * dotsPerMm,
        std::max(0.0, (sheetMm.height() - g.PageHeight - EdgeAllowance) / 2) * dotsPerMm);
    PainterTarget target(painter);
    renderer.drawPage(target, page);
    painter.end();

    image.setDevicePixelRatio(ratio);
    m_page = std::move(image);
    setFixedSize((QSizeF(pixels) / ratio).toSize());
    update();
}

void ReportPreview::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.fillRect(rect(), Qt::white);
    painter.drawImage(QPointF(0, 0), m_page);
}

} // namespace zyn
