// How report rows fall on pages, and how a long IC list continues on the
// rows below its cue without losing the cue at a page break.
#include "reports/ReportPaging.h"

#include "ReportTestSupport.h"
#include "fakes/QtPrinters.h"
#include "reports/ReportLayout.h"

#include <gtest/gtest.h>

namespace zyn {
namespace {

using test::buildReport;
using test::CharWidthMeasurer;

std::unique_ptr<Show> describedCues(int count) {
    auto show = test::emptyShow();
    for (int r = 1; r <= count; ++r)
        show->cues.row(r).Description = QStringLiteral("Cue %1").arg(r);
    return show;
}

TEST(ReportPages, APageHoldsRowsPerPageRowsAndNoPageIsLeftEmpty) {
    // 7.38 mm lines on A4 portrait give 30 rows per page.
    const CharWidthMeasurer measurer(2, 7.38);
    const std::pair<int, int> rowsAndPages[] = {{0, 1}, {30, 1}, {31, 2}, {60, 2}, {61, 3}};
    for (const auto& [rows, pages] : rowsAndPages) {
        SCOPED_TRACE(rows);
        const Report report = buildReport(*describedCues(rows), TimeListReport, measurer);
        ASSERT_EQ(report.RowsPerPage, 30);
        ASSERT_EQ(report.RowCount, rows);
        EXPECT_EQ(report.PageCount, pages);
        for (int r = 1; r <= rows; ++r)
            ASSERT_EQ(report.RowPage[r], (r - 1) / 30 + 1) << "row " << r;
    }
}

TEST(ReportPages, EveryPageTakesAtLeastOneRow) {
    const struct {
        double pageHeight;
        double lineHeight;
        int rows;
    } cases[] = {{280.5054, 4, 57}, {202.7002 - 10, 4, 35}, {50, 4, 1}, {280, 0, 1}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.pageHeight);
        EXPECT_EQ(ReportPaging::rowsPerPage(c.pageHeight, 10, c.lineHeight), c.rows);
    }
}

// The column-3 texts of the rows an IC list was wrapped into.
QStringList wrapped(const QString& list, double width) {
    Report report;
    ReportLayout::sb_Dim_Variablen(report, 3);
    const CharWidthMeasurer measurer(1);
    ReportPaging paging(report, measurer);
    paging.begin();
    report.RowsPerPage = 100;
    paging.appendRow();
    paging.sb_CreateTextUmbruch(list, width, {"1", "", ""});
    QStringList parts;
    for (int r = 1; r <= report.RowCount; ++r)
        parts << report.cell(r, 3);
    return parts;
}

TEST(IcListWrapping, BreaksBetweenItemsBeforeTheColumnIsFilled) {
    const struct {
        const char* list;
        double width;
        QStringList rows;
    } cases[] = {
        {"a b c", 100, {"a b c"}},
        // Inside the list a line as wide as the column is already too wide,
        {"aaaa bbbb cccc", 10, {"aaaa", "bbbb cccc"}},
        // but the last item only moves down when the line would exceed it.
        {"aaaa bbbb", 10, {"aaaa bbbb"}},
        {"aaaa bbbb", 9, {"aaaa", "bbbb"}},
        // An item wider than the column gets a row of its own, and no empty
        // row comes before it.
        {"aaaaaaaaaaaa bb", 10, {"aaaaaaaaaaaa", "bb"}},
        {"aa aaaaaaaaaaaa bb", 10, {"aa", "aaaaaaaaaaaa", "bb"}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.list);
        EXPECT_EQ(wrapped(c.list, c.width), c.rows);
    }
}

TEST(IcListWrapping, AListContinuedOnANewPageRepeatsItsCue) {
    // 57 rows per page: cues 1-56 fill page 1 but for one row, where cue 57
    // starts a list of 30 channels that needs three rows.
    auto show = describedCues(56);
    show->cues.row(57).TimeText = QStringLiteral("00:01:00:00");
    show->cues.row(57).Description = QStringLiteral("Finale");
    QStringList items;
    for (int i = 0; i < 30; ++i) {
        show->ics.cell(10 + i / 16, i % 16 + 1) = QStringLiteral("57");
        items << QStringLiteral("%1-%2").arg(10 + i / 16).arg(i % 16 + 1);
    }
    const CharWidthMeasurer measurer(2, 4);
    const Report report = buildReport(*show, TimeListReport, measurer);
    ASSERT_EQ(report.RowsPerPage, 57);
    ASSERT_EQ(report.RowCount, 59);
    const QStringList cue = {"57", "00:01:00:00", "Finale"};
    const struct {
        int row;
        int page;
        QStringList cueTexts;
    } rows[] = {{57, 1, cue}, {58, 2, cue}, {59, 2, {"", "", ""}}};
    QStringList parts;
    for (const auto& r : rows) {
        SCOPED_TRACE(r.row);
        EXPECT_EQ(report.ReportPool[r.row].mid(0, 3), r.cueTexts);
        EXPECT_EQ(report.RowPage[r.row], r.page);
        EXPECT_LT(measurer.textWidth(report.cell(r.row, 3)), report.Columns[3].Width);
        parts << report.cell(r.row, 3);
    }
    EXPECT_EQ(parts.join(u' '), items.join(u' '));
    EXPECT_EQ(report.PageCount, 2);
}

} // namespace
} // namespace zyn
