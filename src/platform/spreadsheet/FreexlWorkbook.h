#pragma once

#include "SheetPipe.h"
#include "platform/SpreadsheetEngine.h"

namespace zyn {

// An .xls workbook (the binary format of the BIFF family), its first sheet
// read whole in a child process (see SheetPipe). The library gives times
// only as text rounded to whole seconds and formula cells not at all: such
// cells read as "h:mm:ss" and "" respectively.
namespace FreexlWorkbook {

SpreadsheetEngine::Opened load(const QString& path);

// The child's work: reads the file with the library and writes the first
// sheet's cells in columns A to Z, or the reason it cannot be read.
void writeSheet(const QByteArray& encodedPath, SheetPipe::SheetWriter& out);

} // namespace FreexlWorkbook
} // namespace zyn
