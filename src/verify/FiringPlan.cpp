#include "FiringPlan.h"

namespace zyn {

bool FiringPlan::listed(int number) const {
    const Cue& entry = cue(number);
    if (!entry.channels.empty())
        return true;
    if (source == Source::Card)
        return !(entry.time.kind() == PlanTime::Kind::Time && entry.time.digits() == 0);
    return entry.time.kind() != PlanTime::Kind::None;
}

} // namespace zyn
