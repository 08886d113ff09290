#pragma once

#include "EditResult.h"

#include <QString>
#include <functional>

namespace zyn {

class LanguageTexts;
class Show;
struct EditContext;
struct StopLabels;

// The cue sort: empty rows leave the list (unless a channel still fires
// them: those become stops), the cues are put in time order within each
// segment that a reset stop starts, the channels are renumbered to follow
// their cues and the timed stops are numbered 1, 2, 3 per kind.
//
// The order is stable: a stop stays behind the cues before it that have the
// same or an earlier time, and a cue with the same time as another keeps its
// place relative to it.
class CueSort {
public:
    // Progress: one step per row compacted and per slave module renumbered.
    static constexpr int ProgressSteps = 3405;
    using Progress = std::function<void(int done, int total)>;

    explicit CueSort(EditContext& context) : m_context(context) {}

    // Asks first when `askFirst` (the sort command); the transfer's sort does
    // not ask again. The result's current row is the row the current cue
    // ended up in (row 1 when the current cue left the list).
    EditResult sort(bool askFirst, int currentRow, const Progress& progress = {});

    // The sort itself, for callers without a prompter (zynctl sort).
    static int sortAndRenumber(Show& show, const StopLabels& labels, int currentRow,
                               const Progress& progress = {});

    // Rewrites every timed stop to its label, " #" and its running number,
    // counted separately for timed stops and reset stops.
    static void numberTimedStops(Show& show, const StopLabels& labels);

    // The key of a row: segment, time in the colon form, position.
    static QString sortKey(int segment, const QString& time, int row);

    // Status panel 1 during the sort: text 121, "  : ", percent, "%".
    static QString progressText(const LanguageTexts& texts, int done, int total = ProgressSteps);

private:
    EditContext& m_context;
};

} // namespace zyn
