#pragma once

#include "show/CueTable.h"

#include <algorithm>

namespace zyn {

// The two data columns of the cue grid. The GUI maps its display columns
// onto these; which one is current decides what a cue delete removes.
enum class CueColumn { Time, Description };

// A selection in the cue table: the current cell and the other end of the
// selected rectangle, in table terms (rows 1..MaxCues).
struct CueSelection {
    int currentRow = 1;
    CueColumn currentColumn = CueColumn::Time;
    int otherRow = 1;
    CueColumn otherColumn = CueColumn::Time;

    static CueSelection single(int row, CueColumn column = CueColumn::Time) {
        return {row, column, row, column};
    }
    static CueSelection rows(int current, int other, CueColumn column = CueColumn::Time) {
        return {current, column, other, column};
    }

    int firstRow() const { return std::min(currentRow, otherRow); }
    int lastRow() const { return std::max(currentRow, otherRow); }
    int rowCount() const { return lastRow() - firstRow() + 1; }
    bool includes(CueColumn column) const {
        return currentColumn == column || otherColumn == column;
    }
    bool descriptionOnly() const { return !includes(CueColumn::Time); }
    bool isValid() const {
        return CueTable::isValidRow(currentRow) && CueTable::isValidRow(otherRow);
    }
};

} // namespace zyn
