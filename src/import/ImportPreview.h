#pragma once

#include "ImportRow.h"

#include <QStringList>
#include <array>

namespace zyn {

class LanguageTexts;

// The rows of the import preview grid MSHFlexGrid_Data, as the dialog's grid
// model reads them: grid row 0 is the header, data rows are 1 to
// RowsUsed() - 1, five columns (time, description, module, channel,
// security).
class ImportPreview {
public:
    static constexpr int ColumnCount = 5;
    static constexpr std::array<int, ColumnCount> ColumnWidths = {1200, 5000, 1000, 1000, 1500};

    // The column headers in the current language.
    static QStringList headerTexts(const LanguageTexts& texts);

    // RowsUsed: grid rows in use including the header row; 1 when empty.
    int RowsUsed() const { return int(m_rows.size()) + 1; }
    bool isEmpty() const { return m_rows.isEmpty(); }
    const QList<ImportRow>& rows() const { return m_rows; }
    // The text of a data row's column; "" outside the rows and columns.
    QString cellText(int gridRow, int column) const;

    // sb_DataGrid_Clear: no data rows.
    void clear() { m_rows.clear(); }
    // A workbook import adds its rows after those already shown.
    void append(const QList<ImportRow>& rows) { m_rows.append(rows); }
    // A text import fills the preview anew.
    void replace(QList<ImportRow> rows) { m_rows = std::move(rows); }
    // DELETE: removes a data row; the header row and rows beyond the data
    // are left alone.
    void removeRow(int gridRow);

private:
    QList<ImportRow> m_rows;
};

} // namespace zyn
