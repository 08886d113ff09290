#pragma once

#include "show/FileError.h"

#include <QString>

namespace zyn {

struct Report;

// A report as a spreadsheet workbook in Office Open XML form, one sheet:
//
//   A1  title
//   A4  program name and version
//   A5  project path
//   row 7   the captions, one per exported column from column A
//   row 8+  one row per data row of the report
//
// Every cell is formatted as text ("@"), so that times and cue numbers stay
// as they are; "," in a data cell becomes ".", as in the text export.
namespace ReportWorkbook {

// sb_Report_Datenblatt_ListenSave_XLS: writes the file whole or not at all.
FileError save(const Report& report, const QString& path);

} // namespace ReportWorkbook
} // namespace zyn
