#include "ZynCtlRun.h"
#include "cli/ZynCtl.h"
#include "fakes/QtPrinters.h"

#include <gtest/gtest.h>

namespace zyn {
namespace {

// An unsorted show with every kind of stop, an empty cue a channel still
// fires, a key assignment and levels.
const QByteArray UnsortedShow = R"({
  "mode": 1,
  "sortPending": true,
  "cues": [
    {"row": 1, "time": "00:00:09:00", "description": "late"},
    {"row": 2, "time": "TS", "description": "timed stop"},
    {"row": 3, "time": "00:00:02:00", "description": "early"},
    {"row": 5, "time": "", "description": "fired but empty"},
    {"row": 6, "time": "TR #9", "description": "reset"},
    {"row": 7, "time": "00:00:01.50", "description": "after reset"},
    {"row": 8, "time": "MAN", "description": "stop"},
    {"row": 9, "time": "00:00:00:10", "description": "first after reset"},
    {"row": 12, "time": "", "description": "dropped"}
  ],
  "channels": [
    {"slave": 1, "channel": 1, "cell": "1-3"},
    {"slave": 1, "channel": 2, "cell": "5"},
    {"slave": 1, "channel": 3, "cell": "K 4-2"},
    {"slave": 200, "channel": 16, "cell": "9"}
  ]
}
)";

// UnsortedShow after the sort, read off by hand: each segment ordered by time
// with its stops behind their cues, the fired empty row a stop, row 12 gone,
// the stops numbered again and the channels following their cues.
const QByteArray SortedShow = R"({
  "mode": 1,
  "sortPending": false,
  "cues": [
    {"row": 1, "time": "00:00:02:00", "description": "early"},
    {"row": 2, "time": "MAN", "description": "fired but empty"},
    {"row": 3, "time": "00:00:09:00", "description": "late"},
    {"row": 4, "time": "TS #1", "description": "timed stop"},
    {"row": 5, "time": "TR #1", "description": "reset"},
    {"row": 6, "time": "00:00:00:10", "description": "first after reset"},
    {"row": 7, "time": "00:00:01.50", "description": "after reset"},
    {"row": 8, "time": "MAN", "description": "stop"}
  ],
  "channels": [
    {"slave": 1, "channel": 1, "cell": "3-3"},
    {"slave": 1, "channel": 2, "cell": "2"},
    {"slave": 1, "channel": 3, "cell": "K 4-2"},
    {"slave": 200, "channel": 16, "cell": "6"}
  ]
}
)";

using SortCommand = test::ZynCtlFolderTest;

TEST_F(SortCommand, WritesTheSortedShowToTheOutputOrInPlace) {
    writeFile("show.json", UnsortedShow);
    ASSERT_EQ(run({"build", path("show.json"), "-o", path("show.zyn")}).status, ZynCtl::Success);

    const test::CliResult sorted = run({"sort", path("show.zyn"), "-o", path("sorted.zyn")});
    ASSERT_EQ(sorted.status, ZynCtl::Success) << sorted.err.toStdString();
    EXPECT_EQ(run({"dump", path("sorted.zyn")}).out, SortedShow);
    EXPECT_EQ(run({"dump", path("show.zyn")}).out, UnsortedShow) << "-o leaves the project alone";

    ASSERT_EQ(run({"sort", path("show.zyn")}).status, ZynCtl::Success);
    EXPECT_EQ(run({"dump", path("show.zyn")}).out, SortedShow);
}

} // namespace
} // namespace zyn
