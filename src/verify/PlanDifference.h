#pragma once

#include "PlanTime.h"

#include <QtGlobal>

namespace zyn {

// One place where a medium's plan departs from the show's, in the terms of
// the show, so that each reader can put it in words of its own language.
struct PlanDifference {
    enum class Kind {
        ChecksumBad,    // offset, stored byte (medium), computed sum (show)
        TimeDiffers,    // owner's time: medium and show
        ChannelMissing, // owner fires slave/channel in the show only
        ChannelExtra,   // ... on the medium only
        LevelDiffers,   // slave/channel fires with both, at other levels
    };
    enum class Owner { Cue, Key };

    Kind kind = Kind::TimeDiffers;
    Owner owner = Owner::Cue;
    int number = 0; // cue or key number
    int slave = 0;
    int channel = 0;
    PlanTime mediumTime;
    PlanTime showTime;
    int mediumValue = 0; // level, or the stored checksum byte
    int showValue = 0;   // level, or the computed checksum
    qsizetype offset = 0;

    friend bool operator==(const PlanDifference&, const PlanDifference&) = default;
};

} // namespace zyn
