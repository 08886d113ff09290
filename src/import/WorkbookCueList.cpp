#include "WorkbookCueList.h"

#include "ImportTime.h"
#include "platform/SpreadsheetEngine.h"

namespace zyn::WorkbookCueList {

namespace {

constexpr int LastSheetRow = 1048576;

QString cell(const Workbook& workbook, int column, int sheetRow) {
    if (column < 1)
        return {};
    return workbook.cellText(columnLetters(column) + QString::number(sheetRow));
}

bool allEmpty(const Workbook& workbook, int columns, int sheetRow) {
    for (int c = 1; c <= columns; ++c) {
        if (!cell(workbook, c, sheetRow).isEmpty())
            return false;
    }
    return true;
}

struct Layout {
    int examined; // columns that decide the end of the data
    int firstRow; // sheet row of the first data row
    ColumnChoice columns;
};

Layout layoutOf(bool fixedLayout, int headerColumns, const ColumnChoice& columns) {
    if (fixedLayout)
        return {FixedLayoutColumns, FixedLayoutFirstRow, ColumnChoice{1, 5, 2, 3, 4}};
    return {std::min(headerColumns, MaxHeaderColumns), 2, columns};
}

} // namespace

QString columnLetters(int column) {
    QString letters;
    for (; column > 0; column = (column - 1) / 26)
        letters.prepend(QChar(u'A' + (column - 1) % 26));
    return letters;
}

Headers readHeaders(const Workbook& workbook) {
    Headers headers;
    for (int c = 1; c <= MaxHeaderColumns; ++c) {
        const QString text = cell(workbook, c, 1);
        if (text.isEmpty()) {
            headers.columns = c;
            return headers;
        }
        headers.texts.append(text);
    }
    headers.columns = MaxHeaderColumns;
    return headers;
}

ImportRows readRows(const Workbook& workbook, const QString& path, bool fixedLayout,
                    int headerColumns, const ColumnChoice& columns) {
    const Layout layout = layoutOf(fixedLayout, headerColumns, columns);
    ImportRows result;
    if (layout.examined <= 0)
        return result;
    for (int sheetRow = layout.firstRow; sheetRow <= LastSheetRow; ++sheetRow) {
        if (allEmpty(workbook, layout.examined, sheetRow))
            break;
        QString time = ImportTime::zero();
        if (layout.columns.time > 0) {
            const QString name = columnLetters(layout.columns.time) + QString::number(sheetRow);
            const QString text = workbook.cellText(name);
            const std::optional<QString> parsed = ImportTime::parse(text);
            if (!parsed) {
                result.error = ImportError::at(ImportError::Kind::BadTime, path, sheetRow, text,
                                               LineUnit::SheetRow);
                return result;
            }
            time = *parsed;
            result.timesInWholeSeconds =
                result.timesInWholeSeconds || workbook.timeInWholeSeconds(name);
        }
        ImportRow row =
            ImportRow::fromCells(time, cell(workbook, layout.columns.description, sheetRow),
                                 cell(workbook, layout.columns.module, sheetRow),
                                 cell(workbook, layout.columns.channel, sheetRow),
                                 cell(workbook, layout.columns.security, sheetRow));
        row.line = sheetRow;
        row.unit = LineUnit::SheetRow;
        result.rows.append(row);
    }
    return result;
}

} // namespace zyn::WorkbookCueList
