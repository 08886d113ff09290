#pragma once

#include "PlanTime.h"
#include "show/ShowLimits.h"

#include <array>
#include <compare>
#include <optional>
#include <vector>

namespace zyn {

// One ignition channel that fires, with its security level (0: none).
struct PlanChannel {
    int slave = 0;
    int channel = 0;
    int level = 0;

    friend auto operator<=>(const PlanChannel&, const PlanChannel&) = default;
};

// Ascending by slave, then channel.
using PlanChannels = std::vector<PlanChannel>;

// What a show makes the controller do, read from a medium or computed from
// the project: for cue 1 to 3200 the time entry of that row and the channels
// that fire with that cue number, and the channels of the ten keys.
struct FiringPlan {
    enum class Source { Project, Table, Card };

    struct Cue {
        PlanTime time;
        PlanChannels channels;

        friend bool operator==(const Cue&, const Cue&) = default;
    };

    // The checksum byte of a controller table and the sum it should be.
    struct Checksum {
        qsizetype offset = 0;
        quint8 stored = 0;
        quint8 computed = 0;

        bool ok() const { return stored == computed; }
    };

    Source source = Source::Project;
    std::vector<Cue> cues = std::vector<Cue>(MaxCues);
    std::array<PlanChannels, MaxKey> keys;
    std::optional<Checksum> checksum; // controller tables only

    Cue& cue(int number) { return cues[std::size_t(number - 1)]; }
    const Cue& cue(int number) const { return cues[std::size_t(number - 1)]; }
    PlanChannels& key(int number) { return keys[std::size_t(number - 1)]; }
    const PlanChannels& key(int number) const { return keys[std::size_t(number - 1)]; }

    // Whether a cue says anything: it fires channels or its row has a time.
    // A card writes 0 for an empty row, so a card row of 0 says nothing.
    bool listed(int number) const;
};

} // namespace zyn
