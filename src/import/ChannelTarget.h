#pragma once

#include "ImportRow.h"

namespace zyn {

// Where a preview row's channel assignment goes. Module and channel are read
// as numbers (leading numeric part, empty = 0), made positive and rounded
// half to even; the security likewise, keeping its sign. A row assigns a
// channel only when module and channel are both at least 1.
struct ChannelTarget {
    // The largest level the controller table carries: it holds the level in
    // one byte. A larger one is still assigned as written, so no channel of
    // the cue list is lost, and the transfer refuses it rather than let it
    // wrap round to another level.
    static constexpr int MaxStoredLevel = 255;

    enum class Outcome {
        None,         // no module or no channel: the row assigns nothing
        Assign,       // module, channel and level are set
        OutOfRange,   // a module above 200 or a channel above 16
        LevelRefused, // assigned, but with a security above MaxStoredLevel
    };

    Outcome outcome = Outcome::None;
    int module = 0;
    int channel = 0;
    // The level as the cell carries it after the "-"; "" when there is none
    // (security 0 or negative).
    QString level;

    static ChannelTarget of(const ImportRow& row);

    bool assigns() const { return outcome == Outcome::Assign || outcome == Outcome::LevelRefused; }
    // The channel cell that assigns this target to `cue`: "12" or "12-3".
    QString cellFor(int cue) const;
};

} // namespace zyn
