// Where the drawing routine puts the frame, the title block, the table and
// its rules, and how one print job takes all copies and pages.
#include "RecordingTarget.h"
#include "ReportTestSupport.h"
#include "fakes/QtPrinters.h"
#include "reports/PrintChoice.h"
#include "reports/render/ReportRenderer.h"

#include <gtest/gtest.h>

namespace zyn {
namespace {

using test::RecordingTarget;
using Kind = RecordingTarget::Kind;

constexpr double L = 20, T = 10, W = 202.7002, H = 280.5054; // A4 portrait

class ReportDrawing : public ::testing::Test {
protected:
    // A time list of `cues` described cues: 57 rows of 4 mm per page.
    void build(int cues) {
        auto show = test::emptyShow();
        show->state.ProjectPath = QStringLiteral("/shows/a.zyn");
        for (int r = 1; r <= cues; ++r)
            show->cues.row(r).Description = QStringLiteral("Cue %1").arg(r);
        m_report = test::buildReport(*show, TimeListReport, test::CharWidthMeasurer(2, 4));
    }

    ReportRenderer renderer() const { return {m_report, m_texts, QDate(2024, 3, 5)}; }

    LanguageTexts m_texts = test::englishTexts();
    Report m_report;
    RecordingTarget m_target;
};

TEST_F(ReportDrawing, OneJobTakesEveryCopyOfEveryChosenPage) {
    const struct {
        const char* copies;
        const char* range;
        int currentPage;
        QStringList pages;
    } cases[] = {
        {"2", "ALL", 1, {"1 / 3", "2 / 3", "3 / 3", "1 / 3", "2 / 3", "3 / 3"}},
        {"1", "AKTUELL", 2, {"2 / 3"}},
        {"3", "2", 1, {"2 / 3", "2 / 3", "2 / 3"}},
        {"1", "5", 1, {"5 / 3"}}, // title block and captions only
        {"0", "ALL", 1, {}},
        {"", "ALL", 1, {}},
        {"1", "", 1, {}},
        {"99999", "ALL", 1, {}},
    };
    build(120);
    ASSERT_EQ(m_report.PageCount, 3);
    for (const auto& c : cases) {
        SCOPED_TRACE(std::string(c.copies) + " x " + c.range);
        m_target = RecordingTarget();
        renderer().sb_Report_ListenSeite_Print(m_target, PrintChoice::fromDialog(c.copies, c.range),
                                               c.currentPage);
        // Each page is cleared and labelled; breaks only between pages.
        QStringList pages;
        std::vector<Kind> structure;
        for (const RecordingTarget::Op& op : m_target.ops()) {
            if (op.kind == Kind::Text && op.text.startsWith(u"Page "))
                pages << op.text.mid(5);
            if (op.kind == Kind::Clear || op.kind == Kind::NewPage || op.kind == Kind::EndDoc)
                structure.push_back(op.kind);
        }
        EXPECT_EQ(pages, c.pages);
        std::vector<Kind> expected;
        for (int i = 0; i < c.pages.size(); ++i) {
            if (i > 0)
                expected.push_back(Kind::NewPage);
            expected.push_back(Kind::Clear);
        }
        if (!c.pages.isEmpty())
            expected.push_back(Kind::EndDoc);
        EXPECT_EQ(structure, expected);
    }
}

TEST_F(ReportDrawing, TheTitleBlockFramesThePageAndLabelsItsPageAndDate) {
    build(1);
    renderer().drawPage(m_target, 1);
    const auto rects = m_target.ofKind(Kind::Rect);
    ASSERT_EQ(rects.size(), 2u);
    EXPECT_EQ(std::vector<double>({rects[0].x1, rects[0].y1, rects[0].x2, rects[0].y2}),
              std::vector<double>({L, T, W, H}));
    EXPECT_EQ(std::vector<double>({rects[1].x1, rects[1].y1, rects[1].x2, rects[1].y2}),
              std::vector<double>({L, T + 23, W, T + 37}));
    const auto separator = m_target.ofKind(Kind::Line).front();
    EXPECT_EQ(std::vector<double>({separator.x1, separator.y1, separator.x2, separator.y2}),
              std::vector<double>({W - 40, T, W - 40, T + 37}));

    const auto title = m_target.text("Time List");
    ASSERT_TRUE(title);
    EXPECT_EQ(title->font, (ReportFont{"DejaVu Sans", 16, true}));
    const double titleWidth = 9 * 16 / 4.5; // centred between L and W - 40
    EXPECT_DOUBLE_EQ(title->x1, L + (W - 40 - L - titleWidth) / 2);
    EXPECT_DOUBLE_EQ(title->y1, T + 11 - 16 * 0.4 / 2);

    const double line = 9 * 0.4;
    const struct {
        const char* text;
        double x;
        double y;
    } texts[] = {
        {"ZYN K5 (", L + 1, T + 24},
        {"/shows/a.zyn", L + 1, T + 24 + line},
        {"Page 1 / 1", W - 38, T + 24},
        {"Date: 5.3.2024", W - 38, T + 24 + 2 * line},
    };
    for (const auto& t : texts) {
        SCOPED_TRACE(t.text);
        const auto op = m_target.text(t.text);
        ASSERT_TRUE(op);
        EXPECT_DOUBLE_EQ(op->x1, t.x);
        EXPECT_DOUBLE_EQ(op->y1, t.y);
    }
}

TEST_F(ReportDrawing, TheTableAlignsItsColumnsAndRulesOnlyThePrintedRows) {
    build(120);
    const std::vector<ReportColumn>& columns = m_report.Columns;
    const double top = T + 38;
    const struct {
        int page;
        int rows;
        double ruleBottom;
        int horizontalRules;
    } pages[] = {{1, 57, H, 57}, {3, 6, top + 7 * 4, 7}};
    for (const auto& p : pages) {
        SCOPED_TRACE(p.page);
        m_target = RecordingTarget();
        renderer().sb_Report_Datenblatt_ListenDruck(m_target, p.page);
        const auto texts = m_target.ofKind(Kind::Text);
        ASSERT_EQ(texts.size(), 4u * (p.rows + 1));
        // Bold captions; the cue number centred, the rest left-aligned and
        // kept inside their columns.
        EXPECT_TRUE(texts[0].font.bold);
        EXPECT_FALSE(texts[4].font.bold);
        EXPECT_DOUBLE_EQ(texts[0].x1, L + 0.25 + columns[0].Width / 2 - 3 * 2.0 / 2);
        EXPECT_DOUBLE_EQ(texts[0].y1, top);
        EXPECT_DOUBLE_EQ(texts[1].x1, L + columns[0].Width + 0.5);
        EXPECT_DOUBLE_EQ(texts[1].clipRight, L + columns[0].Width + columns[1].Width);
        EXPECT_EQ(texts[4].text, QString::number((p.page - 1) * 57 + 1));
        EXPECT_DOUBLE_EQ(texts[4].y1, top + 4);
        EXPECT_EQ(texts.back().y1, top + p.rows * 4);

        const auto lines = m_target.ofKind(Kind::Line);
        ASSERT_EQ(lines.size(), 4u + p.horizontalRules);
        double x = L;
        for (int c = 0; c < 4; ++c) {
            x += columns[c].Width;
            EXPECT_EQ(std::vector<double>({lines[c].x1, lines[c].y1, lines[c].y2}),
                      std::vector<double>({x, T + 37, p.ruleBottom}));
        }
        EXPECT_DOUBLE_EQ(lines[4].y1, top + 4);
        EXPECT_DOUBLE_EQ(lines.back().y1, top + p.horizontalRules * 4);
        EXPECT_DOUBLE_EQ(lines.back().x2, W);
    }
}

TEST_F(ReportDrawing, ATextCutAtItsColumnEdgeEndsWithAnEllipsis) {
    build(1);
    // The recording target draws 2 mm per character; the text starts 0.5 mm
    // inside its column.
    const int fitting = int((m_report.Columns[2].Width - 0.5) / 2);
    const QString longText = QStringLiteral("Golden willow with crackling tail ").repeated(3);
    const struct {
        QString cell;
        QString drawn;
    } cases[] = {
        {longText.left(fitting), longText.left(fitting)},
        {longText.left(fitting + 1), longText.left(fitting - 1) + QChar(0x2026)},
        {longText, longText.left(fitting - 1) + QChar(0x2026)},
        // No blank is left dangling before the mark.
        {QString(fitting - 2, u'x') + QStringLiteral(" tail"),
         QString(fitting - 2, u'x') + QChar(0x2026)},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.cell.toStdString());
        m_report.ReportPool[1][2] = c.cell;
        m_target = RecordingTarget();
        renderer().sb_Report_Datenblatt_ListenDruck(m_target, 1);
        EXPECT_EQ(m_target.ofKind(Kind::Text)[4 + 2].text, c.drawn);
    }
}

} // namespace
} // namespace zyn
