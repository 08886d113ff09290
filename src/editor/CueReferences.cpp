#include "CueReferences.h"

#include "show/Assignment.h"
#include "show/IcTable.h"
#include "show/StepperTable.h"

#include <cmath>

namespace zyn {

CueReferences::CueReferences(const IcTable& ics) : m_counts(MaxCues + 1, 0) {
    for (int s = 1; s <= MaxSlaves; ++s) {
        for (int c = 1; c <= ChannelsPerSlave; ++c) {
            if (const int cue = cueOf(ics.cell(s, c)))
                ++m_counts[static_cast<size_t>(cue)];
        }
    }
}

bool CueReferences::isReferenced(int cue) const {
    return cue >= 1 && cue <= MaxCues && m_counts[static_cast<size_t>(cue)] > 0;
}

int CueReferences::cueOf(const QString& cell) {
    const Assignment assignment = Assignment::parse(cell);
    if (assignment.kind != Assignment::Kind::Cue)
        return 0;
    const double number = assignment.number;
    if (number < 1 || number > MaxCues || number != std::floor(number))
        return 0;
    return static_cast<int>(number);
}

int CueReferences::clearChannelsOf(IcTable& ics, const CueSet& cues) {
    int cleared = 0;
    for (int s = 1; s <= MaxSlaves; ++s) {
        for (int c = 1; c <= ChannelsPerSlave; ++c) {
            QString& cell = ics.cell(s, c);
            if (const int cue = cueOf(cell); cue && cues[static_cast<size_t>(cue)]) {
                cell.clear();
                ++cleared;
            }
        }
    }
    return cleared;
}

int CueReferences::clearStepperCellsOf(StepperTable& steppers, const CueSet& cues) {
    int cleared = 0;
    for (int i = 1; i <= StepperCount; ++i) {
        QString& cell = steppers.cell(i);
        if (const int cue = cueOf(cell); cue && cues[static_cast<size_t>(cue)]) {
            cell.clear();
            ++cleared;
        }
    }
    return cleared;
}

} // namespace zyn
