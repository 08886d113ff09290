#include "CueEdits.h"

#include "CueMoves.h"
#include "CueReferences.h"
#include "EditContext.h"
#include "EditTextId.h"
#include "show/Show.h"

namespace zyn {

namespace {

// The cue numbers the selected rows carry.
CueReferences::CueSet cueNumbersOf(const CueTable& cues, const CueSelection& selection) {
    CueReferences::CueSet numbers = CueReferences::emptySet();
    for (int r = selection.firstRow(); r <= selection.lastRow(); ++r) {
        bool ok = false;
        const int number = cues.row(r).CueNumber.toInt(&ok);
        if (ok && CueTable::isValidRow(number))
            numbers[static_cast<size_t>(number)] = true;
    }
    return numbers;
}

// The questions about one and about several cues, and the label written.
struct StopTexts {
    int single;
    int closing;
    QString label;
};

StopTexts stopTexts(StopKind kind, const StopLabels& labels) {
    using namespace EditTextId;
    switch (kind) {
    case StopKind::CueStop:
        break;
    case StopKind::CueStopTime:
        return {ChangeToTimedStop, ChangeToTimedStops, labels.timedStop};
    case StopKind::CueStopTimeReset:
        return {ChangeToResetStop, ChangeToResetStops, labels.resetStop};
    }
    return {ChangeToStop, ChangeToStops, labels.stop};
}

void markTimesChanged(Show& show) {
    show.state.ShowChanged = true;
    show.state.SortPending = true;
}

} // namespace

EditResult CueEdits::cb_CUE_Delete(const CueSelection& selection) {
    using namespace EditTextId;
    if (!selection.isValid())
        return {};
    const bool descriptionOnly = selection.descriptionOnly();
    const QString question =
        descriptionOnly
            ? m_context.countQuestion(selection.rowCount(), DeleteDescription, SelectedCountLead,
                                      SelectedCountCues, DeleteDescriptions)
            : m_context.countQuestion(selection.rowCount(), DeleteCue, SelectedCountLead,
                                      SelectedCountCues, DeleteCues);
    if (!m_context.confirmDelete(question))
        return {};

    m_context.showStatus(descriptionOnly ? StatusDeletingDescriptions : StatusDeletingCues);
    Show& show = m_context.show;
    markTimesChanged(show);
    EditResult result;
    result.changed = true;
    if (descriptionOnly) {
        for (int r = selection.firstRow(); r <= selection.lastRow(); ++r)
            show.cues.row(r).Description.clear();
        result.cueRows = {selection.firstRow(), selection.lastRow()};
    } else {
        const CueReferences::CueSet deleted = cueNumbersOf(show.cues, selection);
        CueReferences::clearChannelsOf(show.ics, deleted);
        CueReferences::clearStepperCellsOf(show.steppers, deleted);
        CueMoves::removeRows(show.cues, selection.firstRow(), selection.lastRow());
        CueMoves::renumberReferences(show);
        result.everything = true;
    }
    m_context.clearStatus();
    return result;
}

EditResult CueEdits::cb_CUE_Delete_ICs(const CueSelection& selection) {
    using namespace EditTextId;
    if (!selection.isValid())
        return {};
    if (!m_context.confirmDelete(m_context.countQuestion(selection.rowCount(), DeleteChannelsOfCue,
                                                         SelectedCountLead, SelectedCountCues,
                                                         DeleteChannelsOfCues)))
        return {};
    m_context.showStatus(StatusDeletingChannels);
    Show& show = m_context.show;
    markTimesChanged(show);
    EditResult result;
    result.changed =
        CueReferences::clearChannelsOf(show.ics, cueNumbersOf(show.cues, selection)) > 0;
    result.icCells = IcArea::whole();
    m_context.clearStatus();
    return result;
}

EditResult CueEdits::cb_CUE_ChangeToManuell(StopKind kind, const CueSelection& selection) {
    using namespace EditTextId;
    if (!selection.isValid())
        return {};
    const StopTexts texts = stopTexts(kind, m_context.stopLabels());
    if (!m_context.confirmDelete(m_context.countQuestion(selection.rowCount(), texts.single,
                                                         SelectedCountLead, SelectedCountCues,
                                                         texts.closing)))
        return {};
    Show& show = m_context.show;
    markTimesChanged(show);
    for (int r = selection.firstRow(); r <= selection.lastRow(); ++r)
        show.cues.row(r).TimeText = texts.label;
    EditResult result;
    result.changed = true;
    result.cueRows = {selection.firstRow(), selection.lastRow()};
    return result;
}

EditResult CueEdits::sb_CUE_Copy(int row) {
    if (!CueTable::isValidRow(row))
        return {};
    Show& show = m_context.show;
    show.copies.CueTimeText = show.cues.row(row).TimeText;
    show.copies.CueDescription = show.cues.row(row).Description;
    show.copies.CueCopied = true;
    EditResult result;
    result.enableSwap = SwapCommand::Cue;
    return result;
}

EditResult CueEdits::sb_CUE_Tausch(int row) {
    Show& show = m_context.show;
    const CopyBuffers& copies = show.copies;
    // The key for the swap works before any copy was made: with nothing
    // copied it must not wipe the row's description.
    if (!CueTable::isValidRow(row) || !copies.CueCopied)
        return {};
    CueRow& cue = show.cues.row(row);
    if (!copies.CueTimeText.isEmpty())
        cue.TimeText = copies.CueTimeText;
    cue.Description = copies.CueDescription;
    markTimesChanged(show);
    EditResult result;
    result.changed = true;
    result.cueRows = {row, row};
    return result;
}

} // namespace zyn
