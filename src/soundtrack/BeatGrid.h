#pragma once

#include <optional>
#include <vector>

namespace zyn {

// The beats a tempo tracker found in a soundtrack, in seconds from its first
// sample, ascending; the tempo in beats per minute (0 when none was found).
struct BeatGrid {
    double tempo = 0.0;
    std::vector<double> beats;

    // The beat nearest to `seconds`; nothing when there are no beats.
    std::optional<double> nearest(double seconds) const;
};

} // namespace zyn
