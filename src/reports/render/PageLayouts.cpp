#include "PageLayouts.h"

#include <QPageSize>
#include <QRectF>
#include <algorithm>
#include <cmath>

namespace zyn::PageLayouts {

namespace {

constexpr double EdgeAllowance = 0.5; // see PaperGeometry

qint32 toTwips(double mm) {
    return qint32(std::lround(mm * PaperGeometry::TwipsPerMm));
}

} // namespace

PaperReading readPaper(const QPageLayout& layout) {
    // The printable area turns with the sheet; read both as portrait.
    const bool landscape = layout.orientation() == QPageLayout::Landscape;
    QSizeF printable = layout.paintRect(QPageLayout::Millimeter).size();
    QSizeF sheet = layout.fullRect(QPageLayout::Millimeter).size();
    if (landscape) {
        printable.transpose();
        sheet.transpose();
    }
    return {printable.width(), printable.height(), toTwips(sheet.width()), toTwips(sheet.height())};
}

QPageLayout forGeometry(const PaperGeometry& geometry, bool portrait) {
    const double sheetWidth = geometry.PaperWidth / PaperGeometry::TwipsPerMm;
    const double sheetHeight = geometry.PaperHeight / PaperGeometry::TwipsPerMm;
    const double marginX = std::max(0.0, (sheetWidth - geometry.PageWidth - EdgeAllowance) / 2);
    const double marginY = std::max(0.0, (sheetHeight - geometry.PageHeight - EdgeAllowance) / 2);
    const QPageSize size(
        QSizeF(std::min(sheetWidth, sheetHeight), std::max(sheetWidth, sheetHeight)),
        QPageSize::Millimeter, QString(), QPageSize::ExactMatch);
    return QPageLayout(size, portrait ? QPageLayout::Portrait : QPageLayout::Landscape,
                       QMarginsF(marginX, marginY, marginX, marginY), QPageLayout::Millimeter);
}

} // namespace zyn::PageLayouts
