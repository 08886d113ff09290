#include "editor/CueInsert.h"

#include "EditFixture.h"
#include "editor/ShowSnapshot.h"

namespace zyn::test {
namespace {

class CueInsertion : public EditFixture {
protected:
    // Every row in use; row r is described "c<r>".
    void fillAllRows() {
        for (int r = 1; r <= MaxCues; ++r) {
            m_show.cues.row(r).TimeText = QStringLiteral("00:00:00:01");
            m_show.cues.row(r).Description = QStringLiteral("c%1").arg(r);
        }
    }
    CueInsert m_insert{m_context};
};

TEST_F(CueInsertion, AnEmptyCueMovesTheLaterCuesDownWithTheirChannels) {
    setTimes({"00:00:01:00", "00:00:02:00", "00:00:03:00"});
    setChannels({"1", "2-3", "3", "K 2"});
    const EditResult result = m_insert.sb_CUE_Paste(2);
    EXPECT_EQ(result.currentRow, 2);
    EXPECT_TRUE(result.openCueInput);
    EXPECT_EQ(times(4), (QStringList{"00:00:01:00", "", "00:00:02:00", "00:00:03:00"}));
    EXPECT_EQ(descriptions(4), (QStringList{"c1", "", "c2", "c3"}));
    EXPECT_EQ(channels(4), (QStringList{"1", "3-3", "4", "K 2"}));
    expectCueNumbersMatchRows();
    EXPECT_TRUE(m_show.state.SortPending);
    EXPECT_TRUE(m_show.state.ShowChanged);
}

TEST_F(CueInsertion, AManualShowsNewCueStartsAtZero) {
    m_show.clearForManualShow();
    // Every row of a new manual show holds a time, so the list counts as full.
    m_prompter.answer({true});
    m_insert.sb_CUE_Paste(5);
    EXPECT_EQ(m_show.cues.row(5).TimeText, "00:00:00:00");
    EXPECT_EQ(m_show.cues.row(MaxCues).TimeText, "00:00:00:00");
}

TEST_F(CueInsertion, AFullListAsksBeforePushingOutTheLastCue) {
    fillAllRows();
    setChannels({"3200", "3200-4", "3199", "1"});
    const ShowSnapshot before = ShowSnapshot::of(m_show);

    m_prompter.answer({false});
    EXPECT_FALSE(m_insert.sb_CUE_Paste(1).changed);
    EXPECT_EQ(questions(), QStringList{"T79\r\nT80\r\nT81\r\nT82"});
    EXPECT_TRUE(ShowSnapshot::of(m_show) == before);

    m_prompter.answer({true});
    EXPECT_TRUE(m_insert.sb_CUE_Paste(1).changed);
    EXPECT_EQ(channels(4), (QStringList{"", "", "3200", "2"}));
    EXPECT_EQ(m_show.cues.row(1).Description, "");
    EXPECT_EQ(m_show.cues.row(MaxCues).Description, "c3199");
}

TEST_F(CueInsertion, RoomIsMadeAtTheEndKeepingReferencedEmptyRowsAsStops) {
    fillAllRows();
    m_show.cues.row(3000).TimeText.clear(); // free: no channel fires it
    m_show.cues.row(3100).TimeText.clear(); // a channel still fires it
    setChannels({"3100", "3050", "3200"});
    const EditResult result = m_insert.sb_CUE_Paste(3050);
    EXPECT_TRUE(questions().isEmpty());
    // Row 3000 left the list, so the current cue is now one row higher.
    EXPECT_EQ(result.currentRow, 3049);
    EXPECT_EQ(m_show.cues.row(3049).Description, "");
    EXPECT_EQ(m_show.cues.row(3050).Description, "c3050");
    EXPECT_EQ(m_show.cues.row(3100).TimeText, StopLabel);
    EXPECT_EQ(m_show.cues.row(3100).Description, "c3100");
    EXPECT_EQ(m_show.cues.row(MaxCues).Description, "c3200");
    EXPECT_EQ(channels(3), (QStringList{"3100", "3050", "3200"}));
}

TEST_F(CueInsertion, ALastRowWithoutTimeThatAChannelFiresIsKept) {
    setTimes({"00:00:01:00"});
    m_show.cues.row(MaxCues).Description = "kept";
    setChannels({"3200-2"});
    m_insert.sb_CUE_Paste(1);
    // Row 3199, empty and unused, made the room.
    EXPECT_EQ(m_show.cues.row(MaxCues).TimeText, StopLabel);
    EXPECT_EQ(m_show.cues.row(MaxCues).Description, "kept");
    EXPECT_EQ(channels(1), QStringList{"3200-2"});
    EXPECT_EQ(m_show.cues.row(2).Description, "c1");
}

} // namespace
} // namespace zyn::test
