#pragma once

#include "show/CueTable.h"
#include "show/IcTable.h"
#include "show/StepperTable.h"

namespace zyn {

class Show;

// The show's tables and the state an undo has to bring back, taken before
// or after an operation. Copies are cheap: the tables hold implicitly shared
// strings, so a snapshot of a full show copies pointers, not text.
//
// Restoring marks the show changed whatever it was when the snapshot was
// taken: the file on disk may hold a later state, and the save question
// must not be skipped.
class ShowSnapshot {
public:
    static ShowSnapshot of(const Show& show);

    void restoreTo(Show& show) const;

    friend bool operator==(const ShowSnapshot&, const ShowSnapshot&) = default;

private:
    CueTable m_cues;
    IcTable m_ics;
    StepperTable m_steppers;
    bool m_sortPending = false;
    qint16 m_showMode = 0;
};

} // namespace zyn
