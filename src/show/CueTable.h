#pragma once

#include "CueRow.h"
#include "ShowLimits.h"
#include "StopLabels.h"

#include <vector>

namespace zyn {

// The 3200 cue rows, addressed 1-based like the cue numbers they carry.
// Invariant outside a running sort: CueNumber of row r is the text of r.
class CueTable {
public:
    CueTable();

    static constexpr int rowCount() { return MaxCues; }
    static constexpr bool isValidRow(int r) { return r >= 1 && r <= MaxCues; }

    CueRow& row(int r);
    const CueRow& row(int r) const;

    // Every row becomes empty with the given time text; cue numbers are reset.
    void clear(const QString& timeText);
    // Rewrites CueNumber of every row to its row number.
    void renumber();
    // The row whose CueNumber equals the number, 0 when there is none.
    int findRowByCueNumber(int number) const;
    // Exchanges the stop labels of every stop row (after a language change);
    // returns how many rows changed.
    int relabelStops(const StopLabels& from, const StopLabels& to);

    friend bool operator==(const CueTable&, const CueTable&) = default;

private:
    std::vector<CueRow> m_rows;
};

} // namespace zyn
