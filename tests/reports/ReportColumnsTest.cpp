// The paper, the columns and the orientation that follows from them.
#include "ReportTestSupport.h"
#include "fakes/QtPrinters.h"

#include <gtest/gtest.h>

namespace zyn {
namespace {

using test::buildReport;
using test::CharWidthMeasurer;

TEST(PaperGeometry, ReadsThePrinterOrFallsBackToA4InBothOrientations) {
    const PaperGeometry a4{202.7002, 280.5054, 20, 10, 11904, 16834};
    const struct {
        const char* name;
        PaperReading reading;
        PaperGeometry portrait;
    } cases[] = {
        {"no printer", {}, a4},
        {"printer without paper", {200, 280, 0, 0}, a4},
        {"printer", {200.5, 270.5, 12240, 15840}, {200, 270, 20, 10, 12240, 15840}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        const PaperGeometry& p = c.portrait;
        EXPECT_EQ(PaperGeometry::sb_PrinterScales(c.reading), p);
        EXPECT_EQ(PaperGeometry::sb_PrinterScalesWidth(c.reading),
                  (PaperGeometry{p.PageHeight, p.PageWidth, 10, 20, p.PaperHeight, p.PaperWidth}));
    }
}

TEST(ReportColumns, TheChannelListPrintsLandscapeInSeventeenEqualCentredColumns) {
    const Report report = buildReport(*test::emptyShow(), ChannelListReport, CharWidthMeasurer());
    EXPECT_FALSE(report.IsPortrait);
    ASSERT_EQ(report.Columns.size(), 17u);
    for (int c = 0; c < 17; ++c) {
        EXPECT_NEAR(report.Columns[c].Width, (280.5054 - 10) / 17, 1e-9);
        EXPECT_EQ(report.Columns[c].Align, AlignCentre);
        EXPECT_EQ(report.Columns[c].Order, c + 1);
    }
}

TEST(ReportColumns, TheTimeListFitsItsColumnsToTheCueTableOnAPortraitPage) {
    const double tableWidth = 202.7002 - 20;
    const struct {
        const char* name;
        const char* time;
        int descriptionChars;
        double timeWidth;
        double descriptionWidth;
    } cases[] = {
        // 1 mm per character: the heading "Description" is the widest text.
        {"short texts", "00:00:01:00", 5, 18, 11 + 2},
        {"wide time", "RESET STOP #1234567", 5, 19 + 2, 11 + 2},
        {"wide description", "", 60, 18, 60 + 2},
        // The IC list keeps room for its widest item ("200-16-10" + 2 mm);
        // the description gives way.
        {"too wide description", "", 160, 18, tableWidth - 10 - 18 - 1 - 11},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        auto show = test::emptyShow();
        show->cues.row(1).TimeText = QString::fromLatin1(c.time);
        show->cues.row(2).Description = QString(c.descriptionChars, u'x');
        const Report report = buildReport(*show, TimeListReport, CharWidthMeasurer(1));
        EXPECT_TRUE(report.IsPortrait);
        EXPECT_EQ(report.Columns[0], (ReportColumn{10, true, AlignCentre, 1}));
        EXPECT_EQ(report.Columns[1], (ReportColumn{c.timeWidth, true, AlignLeft, 2}));
        EXPECT_NEAR(report.Columns[2].Width, c.descriptionWidth, 1e-9);
        EXPECT_NEAR(report.visibleWidth(), tableWidth - 1, 1e-9);
    }
}

TEST(ReportColumns, ARebuildOfTheOtherKindTellsThatTheOrientationChanged) {
    auto show = test::emptyShow();
    const LanguageTexts texts = test::englishTexts();
    const CharWidthMeasurer measurer;
    const ReportBuilder builder(*show, texts, measurer, {});
    Report report = builder.windowLoad();
    EXPECT_NEAR(report.PortraitWidthLimit, 182.7002, 1e-9);
    const struct {
        qint16 kind;
        bool portrait;
        bool changed;
    } steps[] = {{TimeListReport, true, false},
                 {ChannelListReport, false, true},
                 {ChannelListReport, false, false},
                 {TimeListReport, true, true}};
    for (const auto& step : steps) {
        report.Kind = step.kind;
        report.PoolStale = true;
        builder.sb_Make_DatenPool(report);
        EXPECT_EQ(report.IsPortrait, step.portrait);
        EXPECT_EQ(report.LayoutChanged, step.changed);
        EXPECT_EQ(report.Geometry.LeftMargin, step.portrait ? 20 : 10);
    }
}

} // namespace
} // namespace zyn
