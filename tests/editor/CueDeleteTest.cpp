#include "EditFixture.h"
#include "editor/CueEdits.h"
#include "editor/ShowSnapshot.h"

namespace zyn::test {
namespace {

class CueDelete : public EditFixture {
protected:
    CueDelete() {
        m_settings.askBeforeDelete = false;
        setTimes({"00:00:01:00", "00:00:02:00", "00:00:03:00", "00:00:04:00", "00:00:05:00",
                  "00:00:06:00"});
        setChannels({"1", "2-3", "3", "4-10", "6", "K 4-2", "5000", "abc", "2.5"});
    }
    CueEdits m_edits{m_context};
};

TEST_F(CueDelete, WholeCuesFreeTheirChannelsAndRenumberTheOthers) {
    const struct {
        CueSelection selection;
        QStringList times;
        QStringList channels;
    } cases[] = {
        {CueSelection::single(2),
         {"00:00:01:00", "00:00:03:00", "00:00:04:00", "00:00:05:00", "00:00:06:00", ""},
         {"1", "", "2", "3-10", "5", "K 4-2", "5000", "abc", "2.5"}},
        // The other end of the selection may lie above the current row.
        {CueSelection::rows(3, 2),
         {"00:00:01:00", "00:00:04:00", "00:00:05:00", "00:00:06:00", "", ""},
         {"1", "", "", "2-10", "4", "K 4-2", "5000", "abc", "2.5"}},
        // A selection that reaches into the time column deletes whole cues.
        {{6, CueColumn::Time, 6, CueColumn::Description},
         {"00:00:01:00", "00:00:02:00", "00:00:03:00", "00:00:04:00", "00:00:05:00", ""},
         {"1", "2-3", "3", "4-10", "", "K 4-2", "5000", "abc", "2.5"}},
    };
    const ShowSnapshot initial = ShowSnapshot::of(m_show);
    for (const auto& c : cases) {
        SCOPED_TRACE(c.selection.currentRow);
        initial.restoreTo(m_show);
        m_show.state.SortPending = false;
        const EditResult result = m_edits.cb_CUE_Delete(c.selection);
        EXPECT_TRUE(result.changed);
        EXPECT_TRUE(result.everything);
        EXPECT_EQ(times(6), c.times);
        EXPECT_EQ(channels(9), c.channels);
        EXPECT_EQ(m_show.cues.row(MaxCues), (CueRow{QString(), "3200", "", ""}));
        expectCueNumbersMatchRows();
        EXPECT_TRUE(m_show.state.SortPending);
    }
}

TEST_F(CueDelete, TheDescriptionColumnAloneLosesOnlyItsText) {
    const EditResult result =
        m_edits.cb_CUE_Delete({2, CueColumn::Description, 3, CueColumn::Description});
    EXPECT_EQ(result.cueRows, (RowSpan{2, 3}));
    EXPECT_FALSE(result.everything);
    EXPECT_EQ(descriptions(4), (QStringList{"c1", "", "", "c4"}));
    EXPECT_EQ(times(3), (QStringList{"00:00:01:00", "00:00:02:00", "00:00:03:00"}));
    EXPECT_EQ(channels(3), (QStringList{"1", "2-3", "3"}));
}

TEST_F(CueDelete, DeletingTheChannelsOfCuesKeepsTheCuesAndKeyAssignments) {
    const EditResult result = m_edits.cb_CUE_Delete_ICs(CueSelection::rows(1, 2));
    EXPECT_TRUE(result.changed);
    EXPECT_EQ(channels(9), (QStringList{"", "", "3", "4-10", "6", "K 4-2", "5000", "abc", "2.5"}));
    EXPECT_EQ(times(2), (QStringList{"00:00:01:00", "00:00:02:00"}));
}

TEST_F(CueDelete, StopKindsWriteTheirLabelWithoutANumber) {
    for (const auto& [kind, label] : {std::pair{StopKind::CueStop, StopLabel},
                                      {StopKind::CueStopTime, TimedStopLabel},
                                      {StopKind::CueStopTimeReset, ResetStopLabel}}) {
        EXPECT_EQ(m_edits.cb_CUE_ChangeToManuell(kind, CueSelection::rows(4, 3)).cueRows,
                  (RowSpan{3, 4}));
        EXPECT_EQ(times(5),
                  (QStringList{"00:00:01:00", "00:00:02:00", label, label, "00:00:05:00"}));
    }
}

TEST_F(CueDelete, CueSwapAppliesTheCopiedTimeWhenThereIsOne) {
    EXPECT_FALSE(m_edits.sb_CUE_Tausch(2).changed) << "nothing copied yet";
    EXPECT_EQ(m_edits.sb_CUE_Copy(1).enableSwap, SwapCommand::Cue);
    m_edits.sb_CUE_Tausch(3);
    m_show.cues.row(7).Description = "no time";
    m_edits.sb_CUE_Copy(7);
    m_edits.sb_CUE_Tausch(4);
    EXPECT_EQ(times(4), (QStringList{"00:00:01:00", "00:00:02:00", "00:00:01:00", "00:00:04:00"}));
    EXPECT_EQ(descriptions(4), (QStringList{"c1", "c2", "c1", "no time"}));
}

TEST_F(CueDelete, ACopiedEmptyRowEmptiesTheDescriptionItIsAppliedTo) {
    m_edits.sb_CUE_Copy(9);
    EXPECT_TRUE(m_edits.sb_CUE_Tausch(2).changed);
    EXPECT_EQ(times(2), (QStringList{"00:00:01:00", "00:00:02:00"}));
    EXPECT_EQ(descriptions(2), (QStringList{"c1", ""}));
}

// The questions before deleting: their texts, the switch that governs them,
// and that No leaves everything as it was.
TEST_F(CueDelete, QuestionsNameTheCountAndNoChangesNothing) {
    const auto several = [](int count, const char* closing) {
        return QStringLiteral("T10\r\n\r\nT84 %1 T85\r\n\r\n%2").arg(count).arg(closing);
    };
    enum Operation { Delete, DeleteChannels, ToStop, ToTimedStop, ToResetStop };
    const struct {
        Operation operation;
        CueSelection selection;
        QString question;
    } cases[] = {
        {Delete, CueSelection::single(2), "T83"},
        {Delete, CueSelection::rows(2, 4), several(3, "T86")},
        {Delete, CueSelection::single(2, CueColumn::Description), "T87"},
        {Delete, CueSelection::rows(5, 4, CueColumn::Description), several(2, "T88")},
        {DeleteChannels, CueSelection::single(1), "T89"},
        {DeleteChannels, CueSelection::rows(1, 2), several(2, "T90")},
        {ToStop, CueSelection::single(1), "T91"},
        {ToStop, CueSelection::rows(1, 2), several(2, "T92")},
        {ToTimedStop, CueSelection::single(1), "T93"},
        {ToTimedStop, CueSelection::rows(1, 2), several(2, "T94")},
        {ToResetStop, CueSelection::single(1), "T95"},
        {ToResetStop, CueSelection::rows(1, 2), several(2, "T96")},
    };
    m_settings.askBeforeDelete = true;
    for (const auto& c : cases) {
        SCOPED_TRACE(c.question.toStdString());
        const auto run = [&] {
            if (c.operation == Delete)
                return m_edits.cb_CUE_Delete(c.selection);
            if (c.operation == DeleteChannels)
                return m_edits.cb_CUE_Delete_ICs(c.selection);
            return m_edits.cb_CUE_ChangeToManuell(StopKind(c.operation - ToStop), c.selection);
        };
        const ShowSnapshot before = ShowSnapshot::of(m_show);
        m_prompter.clear();
        m_prompter.answer({false, true});
        EXPECT_FALSE(run().changed);
        EXPECT_TRUE(ShowSnapshot::of(m_show) == before);
        EXPECT_FALSE(m_show.state.ShowChanged);
        EXPECT_TRUE(run().changed);
        EXPECT_EQ(questions(), (QStringList{c.question, c.question}));
        EXPECT_EQ(m_prompter.shown().value(0).title, "T9");
        before.restoreTo(m_show);
        m_show.state.ShowChanged = false;
    }
    // With the switch off nothing is asked (a question would fail the test).
    m_settings.askBeforeDelete = false;
    EXPECT_TRUE(m_edits.cb_CUE_Delete(CueSelection::single(1)).changed);
}

} // namespace
} // namespace zyn::test
