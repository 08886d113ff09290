#pragma once

#include <vector>

namespace zyn {

class CueTable;
struct StopLabels;

// When the cues of one segment fire, in show time of that segment: every
// cue with a time code, and every manual or timed stop at the time of the
// cue before it (the controller halts there until it is told to go on). A
// reset stop ends the segment and starts the next one at zero.
class SegmentCues {
public:
    struct Cue {
        int centiseconds = 0;
        int row = 0; // 1-based
        bool stop = false;
        friend bool operator==(const Cue&, const Cue&) = default;
    };

    // The cues of `segment` (1 for the first) ordered by time, rows of equal
    // time in table order. `labels` are the stop labels the table holds.
    static std::vector<Cue> of(const CueTable& cues, const StopLabels& labels, int segment);
};

} // namespace zyn
