#include "import/CueWriter.h"

#include "fakes/QtPrinters.h"
#include "show/Show.h"

#include <gtest/gtest.h>
#include <memory>

namespace zyn {
namespace {

ImportRow row(const QString& time, const QString& description, const QString& module = {},
              const QString& channel = {}, const QString& security = {}) {
    return ImportRow::fromCells(time, description, module, channel, security);
}

// Every non-empty IC cell as "slave/channel=text".
QStringList assignedCells(const Show& show) {
    QStringList cells;
    for (int s = 1; s <= MaxSlaves; ++s) {
        for (int c = 1; c <= ChannelsPerSlave; ++c) {
            if (!show.ics.cell(s, c).isEmpty())
                cells.append(QStringLiteral("%1/%2=%3").arg(s).arg(c).arg(show.ics.cell(s, c)));
        }
    }
    return cells;
}

class CueWriting : public testing::Test {
protected:
    CueWriteResult write(const QList<ImportRow>& rows, bool merge) {
        return sb_Write_Cues(rows, merge, *m_show);
    }
    const CueRow& cue(int r) const { return m_show->cues.row(r); }

    std::unique_ptr<Show> m_show = std::make_unique<Show>();
};

TEST_F(CueWriting, MergeJoinsRowsWhoseTimesCutToTheSameTimeCode) {
    const QList<ImportRow> rows = {row("00:00:05:250", "Comet", "1", "1"),
                                   row("00:00:05:259", "Mine", "1", "2")};
    const CueWriteResult merged = write(rows, true);
    EXPECT_EQ(merged.cues, 1);
    EXPECT_EQ(cue(1).TimeText, "00:00:05:25");
    EXPECT_EQ(cue(1).Description, "Comet, Mine");
    EXPECT_EQ(cue(2).TimeText, "");
    EXPECT_EQ(assignedCells(*m_show), QStringList({"1/1=1", "1/2=1"}));

    const CueWriteResult separate = write(rows, false);
    EXPECT_EQ(separate.cues, 2);
    EXPECT_EQ(cue(2).TimeText, "00:00:05:25");
    EXPECT_EQ(cue(2).Description, "Mine");
    EXPECT_EQ(assignedCells(*m_show), QStringList({"1/1=1", "1/2=2"}));
}

TEST_F(CueWriting, RowsGoInTimeOrderAndEqualTimesKeepTheirOrder) {
    write({row("00:00:09:000", "late"), row("00:00:01:000", "early"), row("00:00:05:000", "first"),
           row("00:00:05:000", "second")},
          false);
    EXPECT_EQ(QStringList(
                  {cue(1).Description, cue(2).Description, cue(3).Description, cue(4).Description}),
              QStringList({"early", "first", "second", "late"}));
    write(
        {row("00:00:05:000", "first"), row("00:00:01:000", "early"), row("00:00:05:000", "second")},
        true);
    EXPECT_EQ(cue(2).Description, "first, second");
}

TEST_F(CueWriting, MergedDescriptionsAreCutTo50CharactersUnmergedOnesStayWhole) {
    const QString thirty(30, u'a');
    const QString eighty(80, u'b');
    write({row("00:00:01:000", thirty), row("00:00:01:000", thirty), row("00:00:02:000", eighty)},
          true);
    EXPECT_EQ(cue(1).Description, (thirty + ", " + thirty).left(50));
    EXPECT_EQ(cue(2).Description, eighty);
}

struct AssignmentCase {
    const char* module;
    const char* channel;
    const char* security;
    const char* cell; // "slave/channel=text", or nullptr when nothing is assigned
    QList<ImportNote> notes;
};

void PrintTo(const AssignmentCase& c, std::ostream* os) {
    *os << c.module << " / " << c.channel << " / " << c.security;
}

class CueWritingAssignment : public testing::TestWithParam<AssignmentCase> {};

TEST_P(CueWritingAssignment, PutsTheCueAndItsLevelIntoTheChannel) {
    const AssignmentCase& c = GetParam();
    auto show = std::make_unique<Show>();
    const ImportRow imported = row("00:00:01:000", "x", c.module, c.channel, c.security);
    const CueWriteResult result = sb_Write_Cues({imported}, false, *show);
    EXPECT_EQ(assignedCells(*show), c.cell ? QStringList{c.cell} : QStringList());
    EXPECT_EQ(result.channels, c.cell ? 1 : 0);
    EXPECT_EQ(imported.notes(), c.notes);
    EXPECT_EQ(show->cues.row(1).TimeText, "00:00:01:00"); // the cue itself is always written
}

const QList<ImportNote> NoNotes;
const QList<ImportNote> OutOfRange{ImportNote::ChannelOutOfRange};
const QList<ImportNote> LevelRefused{ImportNote::LevelRefused};

INSTANTIATE_TEST_SUITE_P(
    Cells, CueWritingAssignment,
    testing::Values(AssignmentCase{"3", "7", "2", "3/7=1-2", NoNotes},
                    AssignmentCase{"200", "16", "10", "200/16=1-10", NoNotes},
                    // No module or no channel: nothing to assign, nothing to say.
                    AssignmentCase{"0", "7", "", nullptr, NoNotes},
                    AssignmentCase{"", "7", "", nullptr, NoNotes},
                    AssignmentCase{"3", "", "", nullptr, NoNotes},
                    AssignmentCase{"0.4", "7", "", nullptr, NoNotes},
                    AssignmentCase{"Slave", "Channel", "", nullptr, NoNotes},
                    // Security 0 or negative: no level.
                    AssignmentCase{"3", "7", "0", "3/7=1", NoNotes},
                    AssignmentCase{"3", "7", "-4", "3/7=1", NoNotes},
                    // Numbers are read from the front, made positive, rounded half to even.
                    AssignmentCase{"-3", "7", "", "3/7=1", NoNotes},
                    AssignmentCase{"2.5", "7", "", "2/7=1", NoNotes},
                    AssignmentCase{"3.5", "6.5", "1.5", "4/6=1-2", NoNotes},
                    AssignmentCase{"3 abc", "7x", "2.4", "3/7=1-2", NoNotes},
                    // Every level is kept as written; the transfer refuses those above 10,
                    // and the preview points out those no controller byte can hold.
                    AssignmentCase{"3", "7", "11", "3/7=1-11", NoNotes},
                    AssignmentCase{"3", "7", "255", "3/7=1-255", NoNotes},
                    AssignmentCase{"3", "7", "256", "3/7=1-256", LevelRefused},
                    AssignmentCase{"3", "7", "1e9", "3/7=1-1000000000", LevelRefused},
                    AssignmentCase{"3", "7", "1e999", "3/7=1-1e999", LevelRefused},
                    // Modules and channels the show does not have.
                    AssignmentCase{"201", "1", "", nullptr, OutOfRange},
                    AssignmentCase{"1", "17", "", nullptr, OutOfRange},
                    AssignmentCase{"1e300", "1", "", nullptr, OutOfRange}));

TEST_F(CueWriting, ALaterRowForTheSameChannelWins) {
    write({row("00:00:01:000", "a", "5", "5", "1"), row("00:00:02:000", "b", "5", "5")}, false);
    EXPECT_EQ(assignedCells(*m_show), QStringList({"5/5=2"}));
}

TEST_F(CueWriting, ReplacesTheWholeShowWithANewTimeCodedShow) {
    m_show->cues.row(7).TimeText = "00:09:00:00";
    m_show->cues.row(7).Description = "old";
    m_show->ics.cell(10, 10) = "7";
    m_show->state.ProjectPath = "old.zyn";
    m_show->state.SortPending = true;
    m_show->state.ShowMode = ManualShow;
    write({row("00:00:01:000", "new", "1", "1")}, false);
    EXPECT_EQ(cue(7), (CueRow{"", "7", "", ""}));
    EXPECT_EQ(assignedCells(*m_show), QStringList({"1/1=1"}));
    EXPECT_EQ(m_show->state.ProjectPath, "");
    EXPECT_TRUE(m_show->state.ShowChanged);
    EXPECT_FALSE(m_show->state.SortPending);
    EXPECT_EQ(m_show->state.ShowMode, TimeCodedShow);
}

TEST_F(CueWriting, StopsAtTheCueAfterTheLastAndSaysSo) {
    QList<ImportRow> rows;
    for (int i = 0; i <= MaxCues; ++i) {
        const QString time = QStringLiteral("00:%1:%2:000")
                                 .arg(i / 60, 2, 10, QLatin1Char('0'))
                                 .arg(i % 60, 2, 10, QLatin1Char('0'));
        rows.append(row(time, QString::number(i + 1), QString::number(i / 16 % 200 + 1),
                        QString::number(i % 16 + 1)));
    }
    const CueWriteResult full = write(rows, false);
    EXPECT_TRUE(full.cueLimitReached);
    EXPECT_EQ(full.cues, MaxCues);
    EXPECT_EQ(cue(MaxCues).Description, "3200");
    EXPECT_EQ(m_show->ics.cell(1, 1), "1"); // row 3201 would have overwritten it with 3201

    rows[MaxCues].time = rows[MaxCues - 1].time; // 3200 distinct times
    const CueWriteResult merged = write(rows, true);
    EXPECT_FALSE(merged.cueLimitReached);
    EXPECT_EQ(cue(MaxCues).Description, "3200, 3201");
    EXPECT_EQ(m_show->ics.cell(1, 1), "3200");
}

} // namespace
} // namespace zyn
