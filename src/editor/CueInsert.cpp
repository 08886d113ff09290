#include "CueInsert.h"

#include "CueMoves.h"
#include "CueReferences.h"
#include "EditContext.h"
#include "EditTextId.h"
#include "editor/TimeCode.h"
#include "show/Show.h"

namespace zyn {

int CueInsert::sb_CUEMoveToTop() {
    return moveToTop(CueReferences(m_context.show.ics), true);
}

// Without `apply` only finds the row, so that a refused insert changes nothing.
int CueInsert::moveToTop(const CueReferences& references, bool apply) {
    CueTable& cues = m_context.show.cues;
    const QString stop = m_context.stopLabels().stop;
    for (int r = MaxCues; r >= 1; --r) {
        CueRow& cue = cues.row(r);
        if (cue.isInUse())
            continue;
        if (!references.isReferenced(r)) {
            if (apply)
                CueMoves::removeRows(cues, r, r);
            return r;
        }
        if (apply)
            cue.TimeText = stop;
    }
    return 0;
}

EditResult CueInsert::sb_CUE_Paste(int currentRow) {
    using namespace EditTextId;
    if (!CueTable::isValidRow(currentRow))
        return {};
    Show& show = m_context.show;
    const CueReferences references(show.ics);
    const bool lastRowUsed = show.cues.row(MaxCues).isInUse() || references.isReferenced(MaxCues);
    int row = currentRow;
    if (lastRowUsed) {
        if (moveToTop(references, false) == 0) {
            const QString question = m_context.text(ListFullNoFreeRow) + QStringLiteral("\r\n") +
                                     m_context.text(ListFullPushesOut) + QStringLiteral("\r\n") +
                                     m_context.text(ListFullClearsChannels) +
                                     QStringLiteral("\r\n") + m_context.text(ListFullInsertAnyway);
            if (!m_context.ask(question))
                return {};
        }
        const int removed = moveToTop(references, true);
        if (removed == 0) {
            CueReferences::CueSet pushedOut = CueReferences::emptySet();
            pushedOut[MaxCues] = true;
            CueReferences::clearChannelsOf(show.ics, pushedOut);
        } else if (removed < row && row != MaxCues) {
            --row;
        }
    }
    CueMoves::insertEmptyRow(show.cues, row);
    CueMoves::renumberReferences(show);
    if (show.state.ShowMode == ManualShow)
        show.cues.row(row).TimeText = TimeCode::zero();
    show.state.ShowChanged = true;
    show.state.SortPending = true;

    EditResult result;
    result.changed = true;
    result.everything = true;
    result.currentRow = row;
    result.openCueInput = true;
    return result;
}

} // namespace zyn
