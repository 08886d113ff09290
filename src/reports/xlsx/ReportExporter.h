#pragma once

#include "reports/ExportFileKind.h"
#include "show/FileError.h"

namespace zyn {

struct Report;

// The report export: the whole pool (every row, not one page) to a file
// whose name ending chooses the kind.
namespace ReportExporter {

struct Outcome {
    ExportFileKind kind = ExportFileKind::None; // None: the name chose no kind, nothing written
    FileError error;
};

// sb_Export_Report, once the file is chosen.
Outcome sb_Export_Report(const Report& report, const QString& path);

} // namespace ReportExporter
} // namespace zyn
