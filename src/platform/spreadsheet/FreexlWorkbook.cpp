#include "FreexlWorkbook.h"

#include "PipedWorkbook.h"

#include <QFile>
#include <algorithm>
#include <freexl.h>

namespace zyn::FreexlWorkbook {

namespace {

using Outcome = SheetPipe::Sheet::Outcome;

// The most rows a sheet of this format can hold; a crafted size beyond it
// would only keep the child busy.
constexpr unsigned int MaxRows = 65536;

QByteArray libraryError(int code) {
    return "the .xls reader reports error " + QByteArray::number(code);
}

void writeCell(SheetPipe::SheetWriter& out, int row, int column, const FreeXL_CellValue& value) {
    switch (value.type) {
    case FREEXL_CELL_INT:
        out.integer(row, column, qint32(value.value.int_value));
        break;
    case FREEXL_CELL_DOUBLE:
        out.number(row, column, value.value.double_value);
        break;
    case FREEXL_CELL_TEXT:
    case FREEXL_CELL_SST_TEXT:
    case FREEXL_CELL_DATE:
        out.text(row, column, value.value.text_value);
        break;
    case FREEXL_CELL_DATETIME:
    case FREEXL_CELL_TIME:
        out.clockText(row, column, value.value.text_value);
        break;
    default:
        break;
    }
}

} // namespace

SpreadsheetEngine::Opened load(const QString& path) {
    const QByteArray encodedPath = QFile::encodeName(path);
    return PipedWorkbook::open(
        [&encodedPath](SheetPipe::SheetWriter& out) { writeSheet(encodedPath, out); });
}

void writeSheet(const QByteArray& encodedPath, SheetPipe::SheetWriter& out) {
    // The handle is never closed: the child ends right after, and closing
    // runs the library over its damaged data once more.
    const void* handle = nullptr;
    const int opened = freexl_open(encodedPath.constData(), &handle);
    if (opened == FREEXL_BIFF_WORKBOOK_NOT_FOUND) {
        out.begin(Outcome::NotAWorkbook, "it holds no workbook");
        return;
    }
    if (opened != FREEXL_OK) {
        out.begin(Outcome::Failed, libraryError(opened));
        return;
    }
    unsigned int protection = 0;
    if (freexl_get_info(handle, FREEXL_BIFF_PASSWORD, &protection) == FREEXL_OK &&
        protection != FREEXL_BIFF_PLAIN) {
        out.begin(Outcome::Protected, "it is protected by a password");
        return;
    }
    unsigned int rows = 0;
    unsigned short columns = 0;
    int result = freexl_select_active_worksheet(handle, 0);
    if (result == FREEXL_OK)
        result = freexl_worksheet_dimensions(handle, &rows, &columns);
    if (result != FREEXL_OK) {
        out.begin(Outcome::Failed, libraryError(result));
        return;
    }
    out.begin(Outcome::Read);
    rows = std::min(rows, MaxRows);
    const int sent = std::min<int>(columns, SheetPipe::SentColumns);
    for (unsigned int row = 0; row < rows; ++row) {
        for (int column = 0; column < sent; ++column) {
            FreeXL_CellValue value;
            if (freexl_get_cell_value(handle, row, static_cast<unsigned short>(column), &value) ==
                FREEXL_OK)
                writeCell(out, int(row), column, value);
        }
    }
}

} // namespace zyn::FreexlWorkbook
