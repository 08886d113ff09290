#pragma once

#include "show/ShowLimits.h"

#include <QString>
#include <vector>

namespace zyn {

class IcTable;
class StepperTable;

// Which cues the channels fire. A cell fires cue n when it is a cue
// assignment whose leading number is exactly n in 1..MaxCues; key
// assignments, empty cells and cells whose number names no cue fire nothing.
// Counting once per table keeps the cue operations linear in the table size.
class CueReferences {
public:
    explicit CueReferences(const IcTable& ics);

    bool isReferenced(int cue) const;

    // The cue the cell fires, 0 when it fires none.
    static int cueOf(const QString& cell);

    // A set of cue numbers, indexed 1..MaxCues.
    using CueSet = std::vector<bool>;
    static CueSet emptySet() { return CueSet(MaxCues + 1, false); }

    // Empties every cell that fires one of the cues; returns how many.
    static int clearChannelsOf(IcTable& ics, const CueSet& cues);
    static int clearStepperCellsOf(StepperTable& steppers, const CueSet& cues);

private:
    std::vector<int> m_counts;
};

} // namespace zyn
