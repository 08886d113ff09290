#pragma once

#include "show/FileError.h"

#include <QString>

namespace zyn {

struct Report;

// The tab-separated text export of a report (".xlt"), lines ended by CR LF
// in the code page Windows-1252:
//
//   title
//   program name and version
//   project path
//   (empty line)
//   caption TAB caption TAB ...
//   " " cell TAB " " cell TAB ...        one line per data row
//
// Every field ends with a TAB, every data field starts with a blank. Cells
// have "," replaced by "." so that spreadsheets do not read them as decimal
// numbers; a TAB or line break inside a text becomes a blank, so that no
// text can shift the columns or rows of the file.
namespace ReportXlt {

// sb_Report_Datenblatt_ListenSave_XLT: the whole file as text.
QString text(const Report& report);

// Writes the file whole or not at all. A text the code page cannot hold is
// refused with the line it is on and nothing is written then; only the
// project path, which is there for the reader, has such characters as "?".
FileError save(const Report& report, const QString& path);

// A pool text as exports write it: "," replaced by ".".
QString exportedCell(const QString& cell);

} // namespace ReportXlt
} // namespace zyn
