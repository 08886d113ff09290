#pragma once

#include <QStringList>

namespace zyn {

class CliContext;

// zynctl report: the channel list or the time list of a project as tab-
// separated text, a workbook or a PDF, built exactly as the report window
// builds it for a printer that does not answer (A4).
namespace ReportCommands {

int report(CliContext& context, const QStringList& words);

} // namespace ReportCommands
} // namespace zyn
