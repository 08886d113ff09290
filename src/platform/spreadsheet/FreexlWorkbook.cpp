#include "FreexlWorkbook.h"

#include "CellName.h"
#include "XlsSheetPipe.h"

namespace zyn {

SpreadsheetEngine::Opened FreexlWorkbook::load(const QString& path) {
    XlsSheetPipe::Sheet sheet = XlsSheetPipe::read(path);
    switch (sheet.outcome) {
    case XlsSheetPipe::Sheet::Outcome::Read:
        break;
    case XlsSheetPipe::Sheet::Outcome::NotAWorkbook:
        return {nullptr, {WorkbookError::Kind::NotAWorkbook, sheet.detail}};
    case XlsSheetPipe::Sheet::Outcome::Protected:
    case XlsSheetPipe::Sheet::Outcome::Failed:
        return {nullptr, {WorkbookError::Kind::Damaged, sheet.detail}};
    }
    std::unique_ptr<FreexlWorkbook> workbook(new FreexlWorkbook);
    workbook->m_cells = std::move(sheet.cells);
    return {std::move(workbook), {}};
}

QString FreexlWorkbook::cellText(QStringView cellName) const {
    const std::optional<CellPosition> position = CellName::parse(cellName);
    if (!position)
        return {};
    return m_cells.value(XlsSheetPipe::Sheet::key(position->row, position->column));
}

} // namespace zyn
