#pragma once

#include "ImportRow.h"

#include <QStringList>

namespace zyn {

class Workbook;

// The sheet columns the user chose for the five preview columns: 1 for A up
// to 26 for Z, 0 when nothing is chosen.
struct ColumnChoice {
    int time = 0;
    int description = 0;
    int module = 0;
    int channel = 0;
    int security = 0;
};

// Cue lists in the first sheet of a workbook, in one of two layouts:
// - user-mapped: row 1 holds the headers, data start in row 2, and the user
//   says which column holds what;
// - fixed: nine heading rows, data from row 10 with A time, B module,
//   C channel, D security and E description.
// The rows end at the first row whose examined columns are all empty.
namespace WorkbookCueList {

inline constexpr int MaxHeaderColumns = 26; // A to Z
inline constexpr int FixedLayoutColumns = 5;
inline constexpr int FixedLayoutFirstRow = 10;

struct Headers {
    QStringList texts; // the header texts in column order, for the column choosers
    // HeaderColumns: the column the scan stopped at (its empty header cell),
    // or 26 after Z; so headers in A to C give 4. The user-mapped layout
    // examines this many columns for the end of the data.
    int columns = 0;
};

Headers readHeaders(const Workbook& workbook);

// "A" for 1 up to "Z" for 26, "AA" for 27 and so on.
QString columnLetters(int column);

ImportRows readRows(const Workbook& workbook, const QString& path, bool fixedLayout,
                    int headerColumns, const ColumnChoice& columns);

} // namespace WorkbookCueList
} // namespace zyn
