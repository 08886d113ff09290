// The time and date cells of an OpenDocument sheet, read from arbitrary
// content.xml bytes. In the program this reading runs in the workbook
// reader's child process, where a fault would only mark the file damaged;
// here it runs in the fuzzer, so that a fault in it is a finding.

#include "FuzzSupport.h"
#include "platform/spreadsheet/OdsDateTimeCells.h"

using namespace zyn;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    QString error;
    const std::optional<OdsDateTimeCells> cells =
        OdsDateTimeCells::read(fuzz::bytesOf(data, size), &error);
    fuzz::check(cells.has_value() || !error.isEmpty(), "a refusal says why");
    if (!cells)
        return 0;
    qsizetype count = 0;
    cells->forEach([&](CellPosition position, const QString& text) {
        ++count;
        fuzz::check(position.row >= 0 && position.row < CellName::MaxRows && position.column >= 0 &&
                        position.column < CellName::MaxColumns,
                    "a cell lies on the sheet");
        fuzz::check(!text.isEmpty(), "a time or date cell has a text");
        fuzz::check(cells->text(position) == text, "a cell reads as it is listed");
    });
    fuzz::check(count <= OdsDateTimeCells::MaxCells, "the cells stay within their limit");
    return 0;
}
