#include "CheckRule.h"

#include "CheckTextId.h"

#include <array>

namespace zyn {

namespace {

using Severity = CheckFinding::Severity;

constexpr std::array Rules = {
    CheckRule{CheckRule::LevelOutOfRange, Severity::Error, CheckTextId::LevelOutOfRange},
    CheckRule{CheckRule::TooManyChannels, Severity::Error, CheckTextId::TooManyChannels},
    CheckRule{CheckRule::ChannelFiresNothing, Severity::Warning, CheckTextId::ChannelFiresNothing},
    CheckRule{CheckRule::ChannelOnUntimedCue, Severity::Warning, CheckTextId::ChannelOnUntimedCue},
    CheckRule{CheckRule::TimedCueWithoutChannels, Severity::Warning,
              CheckTextId::TimedCueWithoutChannels},
    CheckRule{CheckRule::TimeOrder, Severity::Warning, CheckTextId::TimeOrder},
    CheckRule{CheckRule::ModuleGap, Severity::Warning, CheckTextId::ModuleGap},
    CheckRule{CheckRule::TimeNotWellFormed, Severity::Warning, CheckTextId::TimeNotWellFormed},
};

} // namespace

std::span<const CheckRule> CheckRule::all() {
    return Rules;
}

const CheckRule* CheckRule::find(const QString& id) {
    for (const CheckRule& rule : Rules) {
        if (id == QLatin1String(rule.id))
            return &rule;
    }
    return nullptr;
}

CheckFinding CheckRule::finding() const {
    CheckFinding out;
    out.severity = severity;
    out.rule = QLatin1String(id);
    return out;
}

} // namespace zyn
