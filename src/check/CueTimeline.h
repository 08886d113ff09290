#pragma once

#include "show/StopLabels.h"

#include <vector>

namespace zyn {

class Show;

// Every cue row as the controller sees it: read from the very time entry the
// table builder sends, so a text the controller takes for a stop is a stop
// here too. Segments are numbered as the cue sort counts them: each reset
// stop opens the next one.
class CueTimeline {
public:
    enum class Kind { NoTime, Stop, TimedStop, ResetStop, Timed };
    struct Row {
        Kind kind = Kind::NoTime;
        int segment = 0;
        qint64 hundredths = 0; // Timed rows only
        // Timed rows: minutes and seconds below 60, so the fields mean a clock.
        bool clockFields = false;
    };

    CueTimeline(const Show& show, const StopLabels& labels);

    const Row& row(int cue) const { return m_rows[std::size_t(cue - 1)]; }

private:
    std::vector<Row> m_rows;
};

} // namespace zyn
