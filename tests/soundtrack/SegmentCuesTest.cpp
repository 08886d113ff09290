// Which cues of the table fire in a segment, and when: a reset stop starts
// the next segment at zero, a stop fires at the time of the cue before it.
#include "soundtrack/SegmentCues.h"

#include "show/CueTable.h"
#include "show/StopLabels.h"

#include <gtest/gtest.h>

using namespace zyn;

namespace {

using Cue = SegmentCues::Cue;

struct SegmentCase {
    int segment;
    std::vector<Cue> expected;
};

TEST(SegmentCues, EachSegmentHasItsCuesAndStopsInTimeOrder) {
    const StopLabels labels{QStringLiteral("Stop"), QStringLiteral("Zeitstop"),
                            QStringLiteral("Reset")};
    CueTable cues;
    const char* times[] = {"00:00:02:00", "Stop", "00:00:01:50", "Zeitstop #1", "",
                           "Reset #1",    "Stop", "00:00:00:70", "not a time",  "00:00:00:30"};
    for (int row = 1; row <= int(std::size(times)); ++row)
        cues.row(row).TimeText = QString::fromLatin1(times[row - 1]);

    const SegmentCase cases[] = {
        {1, {{150, 3, false}, {150, 4, true}, {200, 1, false}, {200, 2, true}}},
        {2, {{0, 7, true}, {30, 10, false}, {70, 8, false}}},
        {3, {}},
    };
    for (const SegmentCase& c : cases) {
        SCOPED_TRACE(c.segment);
        EXPECT_EQ(SegmentCues::of(cues, labels, c.segment), c.expected);
    }
}

} // namespace
