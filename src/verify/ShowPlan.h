#pragma once

#include "FiringPlan.h"
#include "show/StopLabels.h"

namespace zyn {

class Show;

// The plan a project gives each medium: what the controller table and the
// chip card must hold for the show to fire as programmed. A medium read back
// is the show when its plan equals this one.
namespace ShowPlan {

// Rows in row order, stops by the labels the cue table holds; a time code
// whose digits coincide with a marker is read as that marker, as the
// controller does.
FiringPlan forTable(const Show& show, const StopLabels& labels);

// The card knows no stops and no keys: every row is its eight-digit number.
FiringPlan forCard(const Show& show);

} // namespace ShowPlan
} // namespace zyn
