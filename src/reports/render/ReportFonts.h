#pragma once

#include "DrawingTarget.h"

namespace zyn::ReportFonts {

// Every report text is set in one sans-serif family that the program's
// dependencies install, so that pages and line breaks come out the same on
// every machine.
inline QString family() {
    return QStringLiteral("DejaVu Sans");
}

inline ReportFont title() {
    return {family(), 16, true};
}
inline ReportFont subtitle() {
    return {family(), 10};
}
// Title lines, captions and table rows.
inline ReportFont text(bool bold = false, bool italic = false, bool underline = false) {
    return {family(), 9, bold, italic, underline};
}

} // namespace zyn::ReportFonts
