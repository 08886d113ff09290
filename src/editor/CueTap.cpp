#include "CueTap.h"

#include "TimeCode.h"
#include "show/Show.h"

#include <algorithm>

namespace zyn {

namespace {

// The time entry caps a time at 23:59:59:99.
constexpr int LastCentisecond = 24 * 3600 * 100 - 1;

} // namespace

EditResult CueTap::write(Show& show, int row, int centiseconds) {
    if (!CueTable::isValidRow(row))
        return {};
    const int time = std::clamp(centiseconds, 0, LastCentisecond);
    const TimeCode code{time / 360000, time / 6000 % 60, time / 100 % 60, time % 100};
    show.cues.row(row).TimeText = code.text();
    show.state.SortPending = true;
    show.state.ShowChanged = true;
    EditResult result;
    result.changed = true;
    result.cueRows = {row, row};
    result.currentRow = std::min(row + 1, CueTable::rowCount());
    return result;
}

} // namespace zyn
