#pragma once

#include <QSizeF>
#include <QtGlobal>

namespace zyn {

// What a printer says about its paper in portrait orientation: the printable
// area in millimetres and the whole sheet in twips. A printer that does not
// answer reads all zeros.
struct PaperReading {
    double scaleWidth = 0;  // mm
    double scaleHeight = 0; // mm
    qint32 paperWidth = 0;  // twips
    qint32 paperHeight = 0; // twips

    bool answered() const { return paperWidth > 0 && scaleWidth > 0 && scaleHeight > 0; }
};

// The drawing area of a report page in one orientation. Everything a page
// shows lies inside the frame (LeftMargin, TopMargin)-(PageWidth, PageHeight),
// measured in millimetres from the corner of the printable area.
struct PaperGeometry {
    double PageWidth = 0;  // mm
    double PageHeight = 0; // mm
    double LeftMargin = 0; // mm
    double TopMargin = 0;  // mm
    qint32 PaperWidth = 0; // twips
    qint32 PaperHeight = 0;

    static constexpr double TwipsPerMm = 56.69;

    // Portrait: the printer's readings as they are. With no answer, A4.
    static PaperGeometry sb_PrinterScales(const PaperReading& reading);
    // Landscape: the same readings crosswise.
    static PaperGeometry sb_PrinterScalesWidth(const PaperReading& reading);

    // Width between the left margin and the right edge of the frame.
    double tableWidth() const { return PageWidth - LeftMargin; }
    // The sheet in millimetres, as the preview surface shows it.
    QSizeF paperSizeMm() const { return {PaperWidth / TwipsPerMm, PaperHeight / TwipsPerMm}; }

    friend bool operator==(const PaperGeometry&, const PaperGeometry&) = default;
};

} // namespace zyn
