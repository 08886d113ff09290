#include "fakes/QtPrinters.h"
#include "show/Show.h"

#include <gtest/gtest.h>

namespace zyn {
namespace {

// A show with something in every part that a new show must reset.
void fillWithWork(Show& show) {
    for (const int r : {1, 2, 1600, 3200}) {
        CueRow& cue = show.cues.row(r);
        cue.SortKey = QStringLiteral("k");
        cue.CueNumber = QString::number(3201 - r);
        cue.TimeText = QStringLiteral("00:00:05:00");
        cue.Description = QStringLiteral("Comet");
    }
    show.ics.cell(1, 1) = QStringLiteral("12-3");
    show.ics.cell(MaxSlaves, ChannelsPerSlave) = QStringLiteral("K 4");
    show.state.ShowChanged = true;
    show.state.SortPending = true;
}

void expectEmptyTables(const Show& show, const QString& timeText) {
    for (int r = 1; r <= CueTable::rowCount(); ++r) {
        const CueRow& cue = show.cues.row(r);
        ASSERT_EQ(cue.CueNumber, QString::number(r)) << "row " << r;
        ASSERT_EQ(cue.TimeText, timeText) << "row " << r;
        ASSERT_TRUE(cue.SortKey.isEmpty() && cue.Description.isEmpty()) << "row " << r;
    }
    for (int slave = 1; slave <= MaxSlaves; ++slave) {
        for (int channel = 1; channel <= ChannelsPerSlave; ++channel)
            ASSERT_EQ(show.ics.cell(slave, channel), QString()) << slave << "/" << channel;
    }
    EXPECT_FALSE(show.state.ShowChanged);
    EXPECT_FALSE(show.state.SortPending);
}

TEST(NewShow, TimeCodedShowHasNumberedEmptyRows) {
    Show show;
    fillWithWork(show);
    show.state.ShowMode = ManualShow;
    show.clearForTimeCodedShow();
    EXPECT_EQ(CueTable::rowCount(), 3200);
    expectEmptyTables(show, QString());
    EXPECT_EQ(show.state.ShowMode, TimeCodedShow);
    EXPECT_FALSE(show.cues.row(1).isInUse());
}

TEST(NewShow, ManualShowHasTheZeroTimeInEveryRow) {
    Show show;
    fillWithWork(show);
    show.clearForManualShow();
    expectEmptyTables(show, QStringLiteral("00:00:00:00"));
    EXPECT_EQ(show.state.ShowMode, ManualShow);
}

TEST(CueTableRows, FindRowByCueNumber) {
    CueTable table;
    EXPECT_EQ(table.findRowByCueNumber(1), 1);
    EXPECT_EQ(table.findRowByCueNumber(3200), 3200);
    EXPECT_EQ(table.findRowByCueNumber(0), 0);
    EXPECT_EQ(table.findRowByCueNumber(3201), 0);
    EXPECT_EQ(table.findRowByCueNumber(-1), 0);
    // While a sort runs the numbers travel with their rows.
    table.row(5).CueNumber = QStringLiteral("9");
    table.row(9).CueNumber = QStringLiteral("5");
    EXPECT_EQ(table.findRowByCueNumber(9), 5);
    EXPECT_EQ(table.findRowByCueNumber(5), 9);
    table.renumber();
    EXPECT_EQ(table.findRowByCueNumber(9), 9);
}

TEST(CueTableRows, RelabelStopsChangesOnlyStopRowsAndCountsThem) {
    const StopLabels english{QStringLiteral("MANUAL STOP"), QStringLiteral("TIMED STOP"),
                             QStringLiteral("RESET STOP")};
    const StopLabels german{QStringLiteral("MANUELLER STOPP"), QStringLiteral("ZEITSTOPP"),
                            QStringLiteral("RESET-STOPP")};
    CueTable table;
    table.row(1).TimeText = QStringLiteral("00:00:01:00");
    table.row(2).TimeText = QStringLiteral("MANUAL STOP");
    table.row(3).TimeText = QStringLiteral("TIMED STOP #1");
    table.row(4).TimeText = QStringLiteral("RESET STOP #2");
    table.row(5).TimeText = QStringLiteral("MANUAL STOPX");
    table.row(3200).TimeText = QStringLiteral("MANUAL STOP");
    table.row(2).Description = QStringLiteral("MANUAL STOP");

    EXPECT_EQ(table.relabelStops(english, german), 4);
    EXPECT_EQ(table.row(1).TimeText, u"00:00:01:00");
    EXPECT_EQ(table.row(2).TimeText, u"MANUELLER STOPP");
    EXPECT_EQ(table.row(3).TimeText, u"ZEITSTOPP #1");
    EXPECT_EQ(table.row(4).TimeText, u"RESET-STOPP #2");
    EXPECT_EQ(table.row(5).TimeText, u"MANUAL STOPX");
    EXPECT_EQ(table.row(3200).TimeText, u"MANUELLER STOPP");
    EXPECT_EQ(table.row(2).Description, u"MANUAL STOP");
    EXPECT_EQ(table.row(6).TimeText, QString());

    EXPECT_EQ(table.relabelStops(german, german), 0);
    EXPECT_EQ(table.relabelStops(german, english), 4);
    EXPECT_EQ(table.row(3).TimeText, u"TIMED STOP #1");
}

} // namespace
} // namespace zyn
