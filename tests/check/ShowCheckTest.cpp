// The show check, rule by rule: each case is a small show and the places one
// rule must name in it, no more and no fewer.
#include "check/ShowCheck.h"

#include "check/CheckRule.h"
#include "show/Show.h"
#include "show/ShowMode.h"

#include <gtest/gtest.h>
#include <tuple>

using namespace zyn;

namespace {

struct Cell {
    int slave;
    int channel;
    const char* text;
};

// (cue, key, slave, channel) of one finding.
using Place = std::tuple<int, int, int, int>;

struct Case {
    const char* name;
    const char* rule;
    std::vector<std::pair<int, const char*>> times; // row, TimeText
    std::vector<Cell> cells;
    std::vector<Place> expected;
    int gapMs = 0;
    bool manual = false;
};

Place cue(int q) {
    return {q, 0, 0, 0};
}
Place cell(int q, int slave, int channel) {
    return {q, 0, slave, channel};
}
Place keyCell(int k, int slave, int channel) {
    return {0, k, slave, channel};
}
Place module(int q, int slave) {
    return {q, 0, slave, 0};
}

std::vector<Place> placesOf(const Case& c) {
    Show show;
    show.clearForTimeCodedShow();
    show.state.ShowMode = c.manual ? ManualShow : TimeCodedShow;
    for (const auto& [row, time] : c.times)
        show.cues.row(row).TimeText = QString::fromUtf8(time);
    for (const Cell& cell : c.cells)
        show.ics.cell(cell.slave, cell.channel) = QString::fromUtf8(cell.text);
    std::vector<Place> places;
    for (const CheckFinding& f : ShowCheck::run(show, StopLabels::fileForm(), {c.gapMs})) {
        if (f.rule == QLatin1String(c.rule))
            places.emplace_back(f.cue, f.key, f.slave, f.channel);
    }
    return places;
}

const std::vector<Case> Cases = {
    {"levels above 10 or not whole on cues and keys",
     CheckRule::LevelOutOfRange,
     {{7, "00:00:01:00"}},
     {{3, 1, "7-11"},
      {3, 2, "K 2-0.5"},
      {3, 3, "7-10"},
      {3, 4, "7-0"},
      {3, 5, "K 2"},
      {3, 6, "abc-99"}},
     {cell(7, 3, 1), keyCell(2, 3, 2)}},
    {"a level on a cue without a row is still sent",
     CheckRule::LevelOutOfRange,
     {},
     {{1, 1, "3200-12"}},
     {cell(3200, 1, 1)}},
    {"cells that name no cue and no key",
     CheckRule::ChannelFiresNothing,
     {{1, "00:00:01:00"}},
     {{1, 1, "0"},
      {1, 2, "3201"},
      {1, 3, "K 11"},
      {1, 4, "abc"},
      {1, 5, "K1"},
      {1, 6, " "},
      {1, 7, "K 10"},
      {1, 8, "1-3"}},
     {cell(0, 1, 1), cell(0, 1, 2), cell(0, 1, 3), cell(0, 1, 4), cell(0, 1, 5)}},
    {"channels on empty cues, not on stops",
     CheckRule::ChannelOnUntimedCue,
     {{1, "00:00:01:00"}, {2, "MAN"}, {3, "TS #1"}, {4, "TR #1"}},
     {{1, 1, "1"}, {1, 2, "2"}, {1, 3, "3"}, {1, 4, "4"}, {1, 5, "5"}, {2, 1, "9-2"}},
     {cell(5, 1, 5), cell(9, 2, 1)}},
    {"a manual show has no times to miss",
     CheckRule::ChannelOnUntimedCue,
     {},
     {{1, 1, "5"}},
     {},
     0,
     true},
    {"timed cues without a channel, stops and keys aside",
     CheckRule::TimedCueWithoutChannels,
     {{1, "00:00:01:00"}, {2, "00:00:02:00"}, {3, "MAN"}, {4, "00:00:03:00"}},
     {{1, 1, "1"}, {1, 2, "K 2"}, {1, 3, "0"}},
     {cue(2), cue(4)}},
    {"a manual show's times are never sent",
     CheckRule::TimedCueWithoutChannels,
     {{1, "00:00:01:00"}},
     {},
     {},
     0,
     true},
    {"cues earlier than the nearest timed cue above, reset stops restart",
     CheckRule::TimeOrder,
     {{1, "00:00:10:00"},
      {2, "00:00:05:00"},
      {3, "00:00:07:00"},
      {4, "MAN"},
      {5, "00:00:06:00"},
      {6, "TR #1"},
      {7, "00:00:01:00"},
      {9, "00:00:00:50"},
      {10, "00:00:00:50"}},
     {},
     {cue(2), cue(5), cue(9)}},
    {"a module firing again within the gap, named at the later cue",
     CheckRule::ModuleGap,
     {{1, "00:00:10:00"},
      {2, "00:00:10:30"},
      {3, "00:00:10:30"},
      {4, "00:00:10:80"},
      {5, "TR #1"},
      {6, "00:00:00:10"}},
     {{1, 1, "1"},
      {1, 2, "2"},
      {1, 3, "3"},
      {1, 4, "3"},
      {1, 5, "4"},
      {1, 6, "6"},
      {2, 1, "1"},
      {2, 2, "4"},
      {3, 1, "2"}},
     {module(2, 1), module(3, 1)},
     500},
    {"no gap rule without a gap",
     CheckRule::ModuleGap,
     {{1, "00:00:10:00"}, {2, "00:00:10:01"}},
     {{1, 1, "1"}, {1, 2, "2"}},
     {}},
    {"times the controller reads field by field",
     CheckRule::TimeNotWellFormed,
     {{1, "00:75:00:00"}, {2, "1:2"}, {3, "00:01:23.15"}, {4, "00:01:23:15"}, {5, "MAN"}},
     {},
     {cue(1), cue(2)}},
};

TEST(ShowCheck, NamesExactlyThePlacesOfEachRule) {
    for (const Case& c : Cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(placesOf(c), c.expected);
    }
}

TEST(ShowCheck, NamesEveryCueAndKeyOverTheCountByte) {
    Show show;
    show.clearForTimeCodedShow();
    show.cues.row(1).TimeText = QStringLiteral("00:00:01:00");
    for (int n = 0; n < 256; ++n)
        show.ics.cell(n / 16 + 1, n % 16 + 1) = QStringLiteral("1");
    for (int n = 256; n < 256 + 255; ++n)
        show.ics.cell(n / 16 + 1, n % 16 + 1) = QStringLiteral("K 3");
    for (int n = 511; n < 511 + 300; ++n)
        show.ics.cell(n / 16 + 1, n % 16 + 1) = QStringLiteral("K 4-2");
    std::vector<std::tuple<int, int, int>> tooMany;
    for (const CheckFinding& f : ShowCheck::run(show, StopLabels::fileForm(), {})) {
        if (f.rule == QLatin1String(CheckRule::TooManyChannels)) {
            EXPECT_TRUE(f.isError());
            tooMany.emplace_back(f.cue, f.key, f.count);
        }
    }
    EXPECT_EQ(tooMany, (std::vector<std::tuple<int, int, int>>{{1, 0, 256}, {0, 4, 300}}));
}

} // namespace
