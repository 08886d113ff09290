#include "ExportFileKind.h"

namespace zyn {

ExportFileKind exportFileKind(const QString& path) {
    const QString upper = path.toUpper();
    if (upper.endsWith(QStringLiteral(".XLT")))
        return ExportFileKind::Text;
    if (upper.endsWith(QStringLiteral(".XLS")) || upper.endsWith(QStringLiteral(".XLSX")))
        return ExportFileKind::Workbook;
    return ExportFileKind::None;
}

} // namespace zyn
