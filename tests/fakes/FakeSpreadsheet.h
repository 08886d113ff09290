#pragma once

#include "platform/SpreadsheetEngine.h"

#include <QList>
#include <QStringList>

namespace zyn::test {

// A sheet held as rows of cell texts from A1 on: rows[0][0] is A1, rows[1][2]
// is C2. Counts how often it is read, so tests can tell what the import
// looked at.
class FakeWorkbook : public Workbook {
public:
    explicit FakeWorkbook(QList<QStringList> rows) : m_rows(std::move(rows)) {}

    QString cellText(QStringView cellName) const override;

private:
    QList<QStringList> m_rows;
};

// Hands out a copy of its sheet on every open, or the error it was given.
class FakeSpreadsheetEngine : public SpreadsheetEngine {
public:
    explicit FakeSpreadsheetEngine(QList<QStringList> rows = {}) : m_rows(std::move(rows)) {}

    void setRows(QList<QStringList> rows) { m_rows = std::move(rows); }
    void setError(WorkbookError error) { m_error = std::move(error); }
    void setAvailable(bool available) { m_available = available; }
    int opens() const { return m_opens; }

    bool available() const override { return m_available; }
    Opened open(const QString& path) const override;

private:
    QList<QStringList> m_rows;
    WorkbookError m_error;
    bool m_available = true;
    mutable int m_opens = 0;
};

} // namespace zyn::test
