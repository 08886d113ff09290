#include "CueTable.h"

#include <QtGlobal>

namespace zyn {

CueTable::CueTable() : m_rows(MaxCues) {
    renumber();
}

CueRow& CueTable::row(int r) {
    Q_ASSERT(isValidRow(r));
    return m_rows[static_cast<size_t>(r - 1)];
}

const CueRow& CueTable::row(int r) const {
    Q_ASSERT(isValidRow(r));
    return m_rows[static_cast<size_t>(r - 1)];
}

void CueTable::clear(const QString& timeText) {
    for (int r = 1; r <= MaxCues; ++r) {
        CueRow& cue = row(r);
        cue.SortKey.clear();
        cue.CueNumber = QString::number(r);
        cue.TimeText = timeText;
        cue.Description.clear();
    }
}

void CueTable::renumber() {
    for (int r = 1; r <= MaxCues; ++r)
        row(r).CueNumber = QString::number(r);
}

int CueTable::findRowByCueNumber(int number) const {
    const QString wanted = QString::number(number);
    for (int r = 1; r <= MaxCues; ++r) {
        if (row(r).CueNumber == wanted)
            return r;
    }
    return 0;
}

int CueTable::relabelStops(const StopLabels& from, const StopLabels& to) {
    int changed = 0;
    for (CueRow& cue : m_rows) {
        QString relabelled = relabelTimeText(cue.TimeText, from, to);
        if (relabelled != cue.TimeText) {
            cue.TimeText = std::move(relabelled);
            ++changed;
        }
    }
    return changed;
}

} // namespace zyn
