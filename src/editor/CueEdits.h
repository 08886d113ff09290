#pragma once

#include "CueSelection.h"
#include "EditResult.h"

namespace zyn {

struct EditContext;

// The three kinds of stop a cue can be turned into; the values are the
// arguments of the stop commands ("CueStop" 0, "CueStopTime" 1,
// "CueStopTimeReset" 2).
enum class StopKind { CueStop = 0, CueStopTime = 1, CueStopTimeReset = 2 };

// The operations on whole cue rows: delete, delete their channels, turn into
// stops, copy and apply the copy. Each asks its question through the context
// and leaves the tables untouched when the answer is No.
class CueEdits {
public:
    explicit CueEdits(EditContext& context) : m_context(context) {}

    // Deletes the descriptions when the selection lies in the description
    // column only; otherwise removes the selected cues with every channel
    // that fires them and moves the later cues up, renumbering the channels
    // so that each still fires the cue it fired before.
    EditResult cb_CUE_Delete(const CueSelection& selection);
    // Frees every channel that fires one of the selected cues.
    EditResult cb_CUE_Delete_ICs(const CueSelection& selection);
    // Writes the stop label of the kind, without a running number (the next
    // sort numbers the timed stops).
    EditResult cb_CUE_ChangeToManuell(StopKind kind, const CueSelection& selection);

    EditResult sb_CUE_Copy(int row);
    // The copied time (when it has one) and description become the row's.
    // Nothing happens while nothing has been copied.
    EditResult sb_CUE_Tausch(int row);

private:
    EditContext& m_context;
};

} // namespace zyn
