#pragma once

#include "reports/PaperGeometry.h"

#include <QPageLayout>

namespace zyn {

// Between Qt's page layouts (printers, PDF writers) and the report's paper.
namespace PageLayouts {

// What a printer with this page layout says about its paper, in portrait.
PaperReading readPaper(const QPageLayout& layout);

// A page layout whose printable area is the report's drawing area: the sheet
// of the geometry, in its orientation, with the area centred on it.
QPageLayout forGeometry(const PaperGeometry& geometry, bool portrait);

} // namespace PageLayouts
} // namespace zyn
