#pragma once

#include "CheckFinding.h"

#include <QString>
#include <span>

namespace zyn {

// The rules of the show check. The ids are an interface: the command-line
// tool prints them and scripts select findings by them.
struct CheckRule {
    const char* id;
    CheckFinding::Severity severity;
    int text; // CheckTextId

    static constexpr const char* LevelOutOfRange = "level-out-of-range";
    static constexpr const char* TooManyChannels = "too-many-channels";
    static constexpr const char* ChannelFiresNothing = "channel-fires-nothing";
    static constexpr const char* ChannelOnUntimedCue = "channel-on-untimed-cue";
    static constexpr const char* TimedCueWithoutChannels = "timed-cue-without-channels";
    static constexpr const char* TimeOrder = "time-order";
    static constexpr const char* ModuleGap = "module-gap";
    static constexpr const char* TimeNotWellFormed = "time-not-well-formed";

    static std::span<const CheckRule> all();
    // The rule with that id; nullptr for an unknown id.
    static const CheckRule* find(const QString& id);

    // A finding of this rule with its severity; the caller adds the place.
    CheckFinding finding() const;
};

} // namespace zyn
