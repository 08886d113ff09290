#include "editor/CueSort.h"

#include "EditFixture.h"
#include "editor/ShowSnapshot.h"

namespace zyn::test {
namespace {

class CueSorting : public EditFixture {
protected:
    EditResult sort(int currentRow = 1) { return CueSort(m_context).sort(false, currentRow); }
    CueSort::Progress m_progress;
};

// Stop labels in the cases: S, TS and RS stand for the three labels.
QString label(const char* text) {
    const QString t = QString::fromUtf8(text);
    if (t == u"S")
        return StopLabel;
    if (t.startsWith(u"TS"))
        return TimedStopLabel + t.mid(2);
    if (t.startsWith(u"RS"))
        return ResetStopLabel + t.mid(2);
    return t;
}

TEST_F(CueSorting, OrdersByTimeWithinSegmentsAndKeepsStopsBehindTheirCues) {
    const struct {
        const char* name;
        std::vector<const char*> times;
        std::vector<const char*> sorted; // descriptions after the sort, by input position
    } cases[] = {
        {"times ascend", {"00:00:03:00", "00:00:01:00", "00:00:02:00"}, {"c2", "c3", "c1"}},
        {"equal times keep their order",
         {"00:00:02:00", "00:00:01:00", "00:00:02:00"},
         {"c2", "c1", "c3"}},
        {"a stop stays behind the cue before it",
         {"00:00:05:00", "S", "00:00:01:00", "TS", "00:00:09:00"},
         {"c3", "c4", "c1", "c2", "c5"}},
        {"a reset stop keeps later smaller times behind it",
         {"00:00:05:00", "00:00:09:00", "RS", "00:00:01:00", "00:00:00:50"},
         {"c1", "c2", "c3", "c5", "c4"}},
        {"the time shift's form sorts with the colon form",
         {"00:00:05:50", "00:00:05:10", "00:00:05.30"},
         {"c2", "c3", "c1"}},
        {"hours beyond a day follow the day",
         {"24:00:00.00", "23:59:59:99", "00:00:00:00"},
         {"c3", "c2", "c1"}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        m_show.clearForTimeCodedShow();
        for (size_t i = 0; i < c.times.size(); ++i) {
            m_show.cues.row(int(i) + 1).TimeText = label(c.times[i]);
            m_show.cues.row(int(i) + 1).Description = QStringLiteral("c%1").arg(i + 1);
        }
        sort();
        QStringList expected;
        for (const char* d : c.sorted)
            expected.append(QString::fromUtf8(d));
        EXPECT_EQ(descriptions(int(expected.size())), expected);
    }
}

TEST_F(CueSorting, EmptyRowsLeaveUnlessAChannelFiresThem) {
    setTimes({"00:00:03:00", "", "00:00:01:00", "", "   "});
    m_show.cues.row(9).Description = "unused, far down";
    setChannels({"4-2", "1", "3", "K 2"});
    const EditResult result = sort();
    EXPECT_TRUE(result.everything);
    // The new stop takes the time of the cue before it (row 3) and stays behind it.
    EXPECT_EQ(times(4), (QStringList{"00:00:01:00", StopLabel, "00:00:03:00", ""}));
    EXPECT_EQ(descriptions(4), (QStringList{"c3", "c4", "c1", ""}));
    EXPECT_EQ(channels(4), (QStringList{"2-2", "3", "1", "K 2"}));
    expectCueNumbersMatchRows();
    EXPECT_FALSE(m_show.state.SortPending);
    EXPECT_TRUE(m_show.state.ShowChanged);
}

TEST_F(CueSorting, TimedStopsAreNumberedPerKind) {
    m_show.cues.row(1).TimeText = TimedStopLabel + " #7";
    m_show.cues.row(2).TimeText = ResetStopLabel;
    m_show.cues.row(3).TimeText = TimedStopLabel;
    m_show.cues.row(4).TimeText = StopLabel;
    m_show.cues.row(5).TimeText = ResetStopLabel + " #1";
    m_show.cues.row(6).TimeText = TimedStopLabel + " #1";
    sort();
    EXPECT_EQ(times(6),
              (QStringList{TimedStopLabel + " #1", ResetStopLabel + " #1", TimedStopLabel + " #2",
                           StopLabel, ResetStopLabel + " #2", TimedStopLabel + " #3"}));
}

TEST_F(CueSorting, TheCurrentCueIsFollowedAndProgressCountsToTheEnd) {
    setTimes({"00:00:09:00", "", "00:00:01:00", "00:00:05:00"});
    int last = 0;
    bool ascending = true;
    const EditResult result = CueSort(m_context).sort(false, 4, [&](int done, int total) {
        ascending = ascending && done >= last && total == CueSort::ProgressSteps;
        last = done;
    });
    EXPECT_EQ(result.currentRow, 2);
    EXPECT_EQ(m_show.cues.row(2).Description, "c4");
    EXPECT_TRUE(ascending);
    EXPECT_EQ(last, CueSort::ProgressSteps);
    EXPECT_EQ(CueSort::progressText(m_texts, 1702), "T121  : 49%");
    // The current cue was an empty row and left the list.
    EXPECT_EQ(CueSort(m_context).sort(false, 3000).currentRow, 1);
}

TEST_F(CueSorting, TheSortCommandAsksFirst) {
    setTimes({"00:00:09:00", "00:00:01:00"});
    const ShowSnapshot before = ShowSnapshot::of(m_show);
    m_prompter.answer({false, true});
    EXPECT_FALSE(CueSort(m_context).sort(true, 1).changed);
    EXPECT_TRUE(ShowSnapshot::of(m_show) == before);
    EXPECT_TRUE(CueSort(m_context).sort(true, 1).changed);
    EXPECT_EQ(questions(), (QStringList{"T120", "T120"}));
    EXPECT_EQ(descriptions(2), (QStringList{"c2", "c1"}));
}

TEST_F(CueSorting, ALanguageWithoutStopLabelsNeverEmptiesARow) {
    QStringList texts = m_texts.all();
    texts[TextId::StopLabel].clear();
    texts[TextId::TimedStopLabel].clear();
    const LanguageTexts bare(texts);
    EditContext context{m_show, bare, m_settings, m_prompter};
    setTimes({"00:00:02:00", "", "TS #4", "00:00:01:00"});
    setChannels({"2"});
    CueSort(context).sort(false, 1);
    EXPECT_EQ(times(4), (QStringList{"00:00:01:00", "00:00:02:00", "MAN", "TS #1"}));
}

} // namespace
} // namespace zyn::test
