#pragma once

#include <QHash>
#include <QSet>
#include <QString>

namespace zyn::SheetPipe {

// A sheet as it comes from the child that read it: the outcome, and for a
// sheet that was read, its cells.
struct Sheet {
    enum class Outcome { Read, NotAWorkbook, Protected, Failed };

    Outcome outcome = Outcome::Failed;
    QString detail; // why the sheet was not read
    // The text of every non-empty cell by key(row, column), both 0-based.
    QHash<quint64, QString> cells;
    // The keys of the cells sent as ClockText: times whose reader gave them
    // only to the whole second.
    QSet<quint64> wholeSecondTimes;

    static quint64 key(int row, int column) {
        return (quint64(quint32(row)) << 32) | quint32(column);
    }
};

// The stream: the outcome byte and its detail text, then for a sheet that
// was read one record per non-empty cell (tag, row, column, value) and the
// end tag. Both ends are the same program, so values travel in the machine's
// own byte order.
enum Tag : quint8 { End, Integer, Number, Text, ClockText };

} // namespace zyn::SheetPipe
