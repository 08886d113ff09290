#include "ReportExporter.h"

#include "ReportWorkbook.h"
#include "reports/ReportXlt.h"

namespace zyn::ReportExporter {

Outcome sb_Export_Report(const Report& report, const QString& path) {
    Outcome outcome;
    outcome.kind = exportFileKind(path);
    switch (outcome.kind) {
    case ExportFileKind::Text:
        outcome.error = ReportXlt::save(report, path);
        break;
    case ExportFileKind::Workbook:
        outcome.error = ReportWorkbook::save(report, path);
        break;
    case ExportFileKind::None:
        break;
    }
    return outcome;
}

} // namespace zyn::ReportExporter
