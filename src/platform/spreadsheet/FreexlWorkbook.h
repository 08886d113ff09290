#pragma once

#include "platform/SpreadsheetEngine.h"

namespace zyn {

// An .xls workbook (the binary format of the BIFF family). The library gives
// times only as text rounded to whole seconds and formula cells not at all:
// such cells read as "h:mm:ss" and "" respectively.
class FreexlWorkbook : public Workbook {
public:
    ~FreexlWorkbook() override;
    FreexlWorkbook(const FreexlWorkbook&) = delete;
    FreexlWorkbook& operator=(const FreexlWorkbook&) = delete;

    static SpreadsheetEngine::Opened load(const QString& path);

    QString cellText(QStringView cellName) const override;

private:
    FreexlWorkbook() = default;

    const void* m_handle = nullptr;
    unsigned int m_rows = 0;
    unsigned short m_columns = 0;
};

} // namespace zyn
