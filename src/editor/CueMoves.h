#pragma once

#include "show/CueRow.h"

#include <functional>
#include <vector>

namespace zyn {

class CueTable;
class Show;

// Moves cue rows while keeping every channel on the cue it fires.
//
// Rows carry their old CueNumber while they move; renumberReferences then
// points each channel at the row its cue ended up in and restores the
// invariant that CueNumber of row r is r. Rows that appear (appended after a
// removal, inserted) have an empty CueNumber, so no reference lands on them.
// The old-number-to-new-row table is built in one pass over the rows, so a
// renumbering costs one visit per row and per cell.
class CueMoves {
public:
    // Rows first..last leave the list; the rows below move up and empty rows
    // fill the end.
    static void removeRows(CueTable& cues, int first, int last);
    // An empty row at `at`; the rows from there move down and the last row
    // leaves the list.
    static void insertEmptyRow(CueTable& cues, int at);
    // The list becomes `rows` in this order, filled up with empty rows.
    static void layOut(CueTable& cues, std::vector<CueRow> rows);

    // Rewrites each channel that fires a cue still in the list to that cue's
    // new row, keeping its level suffix; a channel whose cue left the list,
    // a key assignment and an unreadable cell stay as they are. Stepper cells
    // are not renumbered. `moduleDone` is called once per slave module.
    static void renumberReferences(Show& show, const std::function<void()>& moduleDone = {});
};

} // namespace zyn
