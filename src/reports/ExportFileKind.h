#pragma once

#include <QString>

namespace zyn {

// What an export writes, told by the end of the file name in any case:
// ".xlt" tab-separated text; ".xlsx" or ".xls" a workbook (Office Open XML
// in both cases); anything else nothing.
enum class ExportFileKind { None, Text, Workbook };

ExportFileKind exportFileKind(const QString& path);

} // namespace zyn
