#pragma once

#include "CopyBuffers.h"
#include "CueTable.h"
#include "IcTable.h"
#include "ShowState.h"
#include "StepperTable.h"

namespace zyn {

// The whole show: the one store of show data for every part of the program.
// It lives for the whole run and is cleared or loaded in place, never
// replaced, so that views holding a reference stay valid.
class Show {
public:
    CueTable cues;
    IcTable ics;
    StepperTable steppers;
    ShowState state;
    CopyBuffers copies;

    // A new time-coded show: every cue empty, every channel free.
    void clearForTimeCodedShow();
    // A new manual show: as above, but every cue holds the zero time.
    void clearForManualShow();

private:
    void clearTables(const QString& timeText);
};

} // namespace zyn
