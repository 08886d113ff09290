#include "BeatGrid.h"

#include <algorithm>
#include <cmath>

namespace zyn {

std::optional<double> BeatGrid::nearest(double seconds) const {
    if (beats.empty())
        return std::nullopt;
    const auto after = std::lower_bound(beats.begin(), beats.end(), seconds);
    if (after == beats.begin())
        return *after;
    if (after == beats.end())
        return beats.back();
    const double before = *std::prev(after);
    return std::abs(seconds - before) <= std::abs(*after - seconds) ? before : *after;
}

} // namespace zyn
