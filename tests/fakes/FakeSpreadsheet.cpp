#include "FakeSpreadsheet.h"

namespace zyn::test {

QString FakeWorkbook::cellText(QStringView cellName) const {
    qsizetype letters = 0;
    while (letters < cellName.size() && cellName[letters].isLetter())
        ++letters;
    int column = 0;
    for (const QChar c : cellName.left(letters))
        column = column * 26 + (c.toUpper().unicode() - u'A' + 1);
    const int row = cellName.mid(letters).toInt();
    if (row < 1 || row > m_rows.size() || column < 1 || column > m_rows[row - 1].size())
        return {};
    return m_rows[row - 1][column - 1];
}

SpreadsheetEngine::Opened FakeSpreadsheetEngine::open(const QString&) const {
    ++m_opens;
    if (!m_error.ok())
        return {nullptr, m_error};
    return {std::make_unique<FakeWorkbook>(m_rows), {}};
}

} // namespace zyn::test
