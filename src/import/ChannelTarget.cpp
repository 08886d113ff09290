#include "ChannelTarget.h"

#include "show/NumericText.h"
#include "show/ShowLimits.h"

#include <cmath>

namespace zyn {

namespace {

double roundedValue(const QString& text) {
    return NumericText::roundHalfEven(NumericText::leadingValue(text));
}

} // namespace

ChannelTarget ChannelTarget::of(const ImportRow& row) {
    const double module = std::fabs(roundedValue(row.module));
    const double channel = std::fabs(roundedValue(row.channel));
    const double security = roundedValue(row.security);
    ChannelTarget target;
    if (!(module >= 1 && channel >= 1))
        return target;
    if (module > MaxSlaves || channel > ChannelsPerSlave) {
        target.outcome = Outcome::OutOfRange;
        return target;
    }
    if (security > MaxStoredLevel) {
        target.outcome = Outcome::LevelRefused;
        return target;
    }
    target.outcome = Outcome::Assign;
    target.module = int(module);
    target.channel = int(channel);
    target.level = security > 0 ? int(security) : 0;
    return target;
}

} // namespace zyn
