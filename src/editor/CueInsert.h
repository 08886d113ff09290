#pragma once

#include "EditResult.h"

namespace zyn {

class CueReferences;
struct EditContext;

// Inserting an empty cue into the full-size cue list. The list always has
// MaxCues rows, so an insert pushes the last row out; a last row that is in
// use, or that a channel still fires, must first be made room for.
class CueInsert {
public:
    explicit CueInsert(EditContext& context) : m_context(context) {}

    // An empty cue at the current row, the later cues one row down, every
    // channel still on its cue. When no row can be freed, asks before cue
    // MaxCues is pushed out, and frees its channels first. A manual show's
    // new cue gets the zero time. The result names the new row, on which
    // the cue input box opens.
    EditResult sb_CUE_Paste(int currentRow);

    // Frees one row near the end of the list: going up from the last row,
    // each row without a time that a channel fires becomes a stop; the first
    // row without a time that no channel fires leaves the list and an empty
    // row is appended. Returns that row, 0 when there is none.
    int sb_CUEMoveToTop();

private:
    int moveToTop(const CueReferences& references, bool apply);

    EditContext& m_context;
};

} // namespace zyn
