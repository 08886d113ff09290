#include "ShowSnapshot.h"

#include "show/Show.h"

namespace zyn {

ShowSnapshot ShowSnapshot::of(const Show& show) {
    ShowSnapshot snapshot;
    snapshot.m_cues = show.cues;
    snapshot.m_ics = show.ics;
    snapshot.m_steppers = show.steppers;
    snapshot.m_sortPending = show.state.SortPending;
    snapshot.m_showMode = show.state.ShowMode;
    return snapshot;
}

void ShowSnapshot::restoreTo(Show& show) const {
    show.cues = m_cues;
    show.ics = m_ics;
    show.steppers = m_steppers;
    show.state.SortPending = m_sortPending;
    show.state.ShowMode = m_showMode;
    show.state.ShowChanged = true;
}

} // namespace zyn
