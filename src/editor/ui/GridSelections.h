#pragma once

#include "editor/CueSelection.h"
#include "editor/EditResult.h"
#include "editor/StepperSelection.h"

class QTableView;

namespace zyn::GridSelections {

// A grid's current cell and the other corner of its selected rectangle, in
// the terms of the show's tables. Without a selection the other corner is
// the current cell itself.
CueSelection cues(const QTableView& grid);
IcSelection channels(const QTableView& grid);
StepperSelection steppers(const QTableView& grid);

} // namespace zyn::GridSelections
