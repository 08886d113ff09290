#include "PipedWorkbook.h"

#include "CellName.h"

namespace zyn {

SpreadsheetEngine::Opened PipedWorkbook::open(const SheetPipe::ChildReader& reader) {
    using Outcome = SheetPipe::Sheet::Outcome;
    SheetPipe::Sheet sheet = SheetPipe::read(reader);
    switch (sheet.outcome) {
    case Outcome::Read:
        break;
    case Outcome::NotAWorkbook:
        return {nullptr, {WorkbookError::Kind::NotAWorkbook, sheet.detail}};
    case Outcome::Protected:
    case Outcome::Failed:
        return {nullptr, {WorkbookError::Kind::Damaged, sheet.detail}};
    }
    std::unique_ptr<PipedWorkbook> workbook(new PipedWorkbook);
    workbook->m_cells = std::move(sheet.cells);
    workbook->m_wholeSecondTimes = std::move(sheet.wholeSecondTimes);
    return {std::move(workbook), {}};
}

QString PipedWorkbook::cellText(QStringView cellName) const {
    const std::optional<CellPosition> position = CellName::parse(cellName);
    if (!position)
        return {};
    return m_cells.value(SheetPipe::Sheet::key(position->row, position->column));
}

bool PipedWorkbook::timeInWholeSeconds(QStringView cellName) const {
    const std::optional<CellPosition> position = CellName::parse(cellName);
    return position &&
           m_wholeSecondTimes.contains(SheetPipe::Sheet::key(position->row, position->column));
}

} // namespace zyn
