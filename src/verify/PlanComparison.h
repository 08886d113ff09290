#pragma once

#include "FiringPlan.h"

#include <QString>
#include <QStringList>

namespace zyn {

// Where a medium's plan departs from the show's, one line per difference in
// the words of the show: "cue 12: slave 3 channel 5 is missing on the
// medium", "cue 40: 00:01:02:03 on the medium, 00:01:02:30 in the show",
// "checksum bad: ...". Cues ascend, then keys; within one, the time comes
// first, then channels by slave and channel. Empty when the medium fires the
// show as programmed.
namespace PlanComparison {

QStringList differences(const FiringPlan& show, const FiringPlan& medium);

} // namespace PlanComparison
} // namespace zyn
