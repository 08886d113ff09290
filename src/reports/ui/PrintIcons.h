#pragma once

#include "PrinterEntry.h"

#include <QIcon>
#include <QPixmap>

namespace zyn {

// The pictures of the print dialog: one per kind of printer in the printer
// list, the PDF file target, and the sheet in portrait or landscape that
// shows the printer's orientation: SVG files beside the toolbar icons in
// ":/icons", in their style.
namespace PrintIcons {

QIcon printer(PrinterEntry::Kind kind);
QIcon pdfFile();
// A sheet with a large letter, upright or turned on its side.
QPixmap orientation(bool portrait, int height);

} // namespace PrintIcons
} // namespace zyn
