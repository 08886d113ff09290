// What the two reports list: every slave module in the channel list, the
// cues in use with their channels in the time list.
#include "ReportTestSupport.h"
#include "fakes/QtPrinters.h"
#include "reports/CueChannelIndex.h"

#include <gtest/gtest.h>

namespace zyn {
namespace {

using test::buildReport;
using test::CharWidthMeasurer;
using test::emptyShow;

TEST(ChannelListPool, ListsEverySlaveWithItsCellsExactlyAsStored) {
    auto show = emptyShow();
    show->ics.cell(3, 6) = QStringLiteral("12-2");
    show->ics.cell(200, 16) = QStringLiteral("K 4-1");
    const Report report = buildReport(*show, ChannelListReport, CharWidthMeasurer());
    ASSERT_EQ(report.RowCount, 200);
    EXPECT_EQ(report.captions().size(), 17);
    EXPECT_EQ(report.captions()[16], "Ch 16");
    EXPECT_EQ(report.cell(200, 0), "200");
    EXPECT_EQ(report.cell(3, 6), "12-2");
    EXPECT_EQ(report.cell(200, 16), "K 4-1");
    EXPECT_EQ(report.cell(3, 5), "");
    EXPECT_EQ(report.ReportTitle, "Channel List");
    EXPECT_EQ(report.PageCount, 6); // 35 landscape rows of 4 mm per page
}

TEST(TimeListPool, ListsACueByTheRulesOfItsShowMode) {
    const struct {
        const char* name;
        const char* time;
        const char* description;
        bool channel;
        bool listedTimeCoded;
        bool listedManual;
    } cases[] = {
        {"nothing", "", "", false, false, false},
        {"blanks only", "  ", "   ", false, false, false},
        {"time only", "00:00:05:00", "", false, true, false},
        {"stop only", "MANUAL STOP", "", false, true, false},
        {"description only", "", "Comet", false, true, true},
        {"channel only", "", "", true, true, true},
    };
    for (const auto& c : cases) {
        for (const qint16 mode : {TimeCodedShow, ManualShow}) {
            SCOPED_TRACE(std::string(c.name) + (mode == TimeCodedShow ? " timed" : " manual"));
            auto show = emptyShow(mode);
            show->cues.row(7).TimeText = QString::fromLatin1(c.time);
            show->cues.row(7).Description = QString::fromLatin1(c.description);
            if (c.channel)
                show->ics.cell(2, 2) = QStringLiteral("7");
            const Report report = buildReport(*show, TimeListReport, CharWidthMeasurer());
            const bool listed = mode == TimeCodedShow ? c.listedTimeCoded : c.listedManual;
            ASSERT_EQ(report.RowCount, listed ? 1 : 0);
            EXPECT_EQ(report.PageCount, 1);
            if (listed) {
                EXPECT_EQ(report.ReportPool[1],
                          QStringList({"7", c.time, c.description, c.channel ? "2-2" : ""}));
            }
        }
    }
}

TEST(TimeListPool, ListsChannelsWithTheirLevelsOnlyInATimeCodedShow) {
    for (const qint16 mode : {TimeCodedShow, ManualShow}) {
        SCOPED_TRACE(mode);
        auto show = emptyShow(mode);
        show->ics.cell(3, 6) = QStringLiteral("12-2");
        show->ics.cell(3, 5) = QStringLiteral("12");
        show->ics.cell(1, 1) = QStringLiteral("K 12"); // a key fires no cue
        show->ics.cell(4, 1) = QStringLiteral("120");
        const Report report = buildReport(*show, TimeListReport, CharWidthMeasurer());
        ASSERT_EQ(report.RowCount, 2);
        EXPECT_EQ(report.cell(1, 0), "12");
        EXPECT_EQ(report.cell(1, 3), mode == TimeCodedShow ? "3-5 3-6-2" : "3-5 3-6");
        EXPECT_EQ(report.cell(2, 3), "4-1");
    }
}

TEST(CueChannelIndex, ReadsTheCueAndTheLevelOfEveryKindOfCell) {
    const struct {
        const char* cell;
        double cue;
        const char* withLevels;
        const char* withoutLevels;
    } cases[] = {
        {"12", 12, "1-1 ", "1-1 "},
        {"12-2", 12, "1-1-2 ", "1-1 "},
        {"12-2-5", 12, "1-1-2 ", "1-1 "}, // only the second part is the level
        {"12-", 12, "1-1- ", "1-1 "},
        {" 12", 12, "1-1 ", "1-1 "},
        {"12", 1, "", ""},
        {"K 12", 12, "", ""},
        {"", 0, "", ""},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.cell);
        IcTable ics;
        ics.cell(1, 1) = QString::fromLatin1(c.cell);
        const CueChannelIndex index(ics);
        EXPECT_EQ(index.sb_Report_Datenblatt_ZeitListe_Kodierung(c.cue, true), c.withLevels);
        EXPECT_EQ(index.sb_Report_Datenblatt_ZeitListe_Kodierung(c.cue, false), c.withoutLevels);
    }
}

} // namespace
} // namespace zyn
