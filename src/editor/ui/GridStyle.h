#pragma once

#include <QColor>

namespace zyn::GridStyle {

// Even data rows of the cue and IC grids are painted in this colour, so the
// eye can follow a row across the wide IC grid.
inline QColor zebra() {
    return QColor(199, 214, 229);
}

// Grid geometry is given in twips (1/1440 inch), as the configuration stores it.
int twipsToPixels(int twips, double logicalDpi);
int pixelsToTwips(int pixels, double logicalDpi);

} // namespace zyn::GridStyle
