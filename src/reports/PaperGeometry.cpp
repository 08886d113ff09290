#include "PaperGeometry.h"

namespace zyn {

namespace {

// The drawing area of A4 on a typical printer, used when no printer answers.
constexpr double A4PageWidth = 202.7002;
constexpr double A4PageHeight = 280.5054;
constexpr qint32 A4PaperWidth = 11904;
constexpr qint32 A4PaperHeight = 16834;

// The last half millimetre of the printable area stays free, so the frame's
// right and bottom lines never fall on the edge a printer may cut off.
constexpr double EdgeAllowance = 0.5;

PaperGeometry portraitArea(const PaperReading& reading) {
    if (!reading.answered())
        return {A4PageWidth, A4PageHeight, 0, 0, A4PaperWidth, A4PaperHeight};
    return {reading.scaleWidth - EdgeAllowance,
            reading.scaleHeight - EdgeAllowance,
            0,
            0,
            reading.paperWidth,
            reading.paperHeight};
}

} // namespace

PaperGeometry PaperGeometry::sb_PrinterScales(const PaperReading& reading) {
    PaperGeometry geometry = portraitArea(reading);
    geometry.LeftMargin = 20;
    geometry.TopMargin = 10;
    return geometry;
}

PaperGeometry PaperGeometry::sb_PrinterScalesWidth(const PaperReading& reading) {
    const PaperGeometry portrait = portraitArea(reading);
    return {portrait.PageHeight,  portrait.PageWidth, 10, 20,
            portrait.PaperHeight, portrait.PaperWidth};
}

} // namespace zyn
