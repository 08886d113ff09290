#pragma once

#include "SheetPipe.h"
#include "platform/SpreadsheetEngine.h"

#include <QHash>
#include <QSet>

namespace zyn {

// The first sheet of a workbook as a child process read it (see SheetPipe):
// the cells it sent, in columns A to Z.
class PipedWorkbook : public Workbook {
public:
    // Runs `reader` in a child; the workbook it read, or why it could not.
    static SpreadsheetEngine::Opened open(const SheetPipe::ChildReader& reader);

    QString cellText(QStringView cellName) const override;
    bool timeInWholeSeconds(QStringView cellName) const override;

private:
    PipedWorkbook() = default;

    QHash<quint64, QString> m_cells;
    QSet<quint64> m_wholeSecondTimes;
};

} // namespace zyn
