#pragma once

#include "platform/SpreadsheetEngine.h"

#include <QHash>

namespace zyn {

// An .xls workbook (the binary format of the BIFF family), its first sheet
// read whole when it is opened, in a child process (see XlsSheetPipe). The
// library gives times only as text rounded to whole seconds and formula
// cells not at all: such cells read as "h:mm:ss" and "" respectively.
class FreexlWorkbook : public Workbook {
public:
    static SpreadsheetEngine::Opened load(const QString& path);

    QString cellText(QStringView cellName) const override;

private:
    FreexlWorkbook() = default;

    QHash<quint64, QString> m_cells;
};

} // namespace zyn
