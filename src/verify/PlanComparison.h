#pragma once

#include "FiringPlan.h"
#include "PlanDifference.h"

#include <QString>
#include <QStringList>
#include <vector>

namespace zyn {

// Where a medium's plan departs from the show's. Cues ascend, then keys;
// within one, the time comes first, then channels by slave and channel. A bad
// checksum leads. Empty when the medium fires the show as programmed.
namespace PlanComparison {

std::vector<PlanDifference> compare(const FiringPlan& show, const FiringPlan& medium);

// One English line per difference, for the command line: "cue 12: slave 3
// channel 5 is missing on the medium", "cue 40: 00:01:02:03 on the medium,
// 00:01:02:30 in the show", "checksum bad: ...".
QString line(const PlanDifference& difference);
QStringList differences(const FiringPlan& show, const FiringPlan& medium);

} // namespace PlanComparison
} // namespace zyn
