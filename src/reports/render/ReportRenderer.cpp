#include "ReportRenderer.h"

#include "DrawingTarget.h"
#include "ReportFonts.h"
#include "reports/PrintChoice.h"
#include "reports/Report.h"
#include "reports/ReportTextId.h"
#include "settings/LanguageTexts.h"

namespace zyn {

namespace {

constexpr double BandTop = 23;     // document data band, below the title
constexpr double BandBottom = 37;  // also where the column rules start
constexpr double TableTop = 38;    // the caption line
constexpr double TitleCentre = 11; // vertical centre of the title
constexpr double RightColumn = 40; // width of the page/date column
constexpr double RightText = 38;   // its text, from the right edge
constexpr double InfoTop = 24;     // first line in the band
constexpr double LeftInset = 0.5;  // left-aligned text from its column edge
constexpr double CentreShift = 0.25;
constexpr QChar Ellipsis(0x2026);

// The text as it fits the width: whole, or its longest start that fits with
// a closing mark, so that a reader sees the text goes on. No blank is left
// before the mark, and a character outside the basic plane stays whole.
QString fitted(const DrawingTarget& target, const QString& text, double width) {
    if (target.textWidth(text) <= width)
        return text;
    qsizetype fits = 0;
    qsizetype tooLong = text.size();
    while (tooLong - fits > 1) {
        const qsizetype middle = (fits + tooLong) / 2;
        if (target.textWidth(text.left(middle) + Ellipsis) <= width)
            fits = middle;
        else
            tooLong = middle;
    }
    if (fits > 0 && text[fits - 1].isHighSurrogate())
        --fits;
    QString start = text.left(fits);
    while (!start.isEmpty() && start.back().isSpace())
        start.chop(1);
    return start + Ellipsis;
}

} // namespace

ReportRenderer::ReportRenderer(const Report& report, const LanguageTexts& texts, QDate today)
    : m_report(report), m_texts(texts), m_today(today) {}

QString ReportRenderer::pageLabel(int page) const {
    return m_texts.text(ReportTextId::PageLabel) + u' ' + QString::number(page) +
           QStringLiteral(" / ") + QString::number(m_report.PageCount);
}

QString ReportRenderer::dateLabel() const {
    return m_texts.text(ReportTextId::DateLabel) + u' ' +
           m_today.toString(QStringLiteral("d.M.yyyy"));
}

void ReportRenderer::sb_Report_Titel(DrawingTarget& target, int currentPage) const {
    const PaperGeometry& g = m_report.Geometry;
    const double l = g.LeftMargin;
    const double t = g.TopMargin;
    const double w = g.PageWidth;
    target.clear();
    target.drawRect(l, t, w, g.PageHeight);
    target.drawRect(l, t + BandTop, w, t + BandBottom);
    target.drawLine(w - RightColumn, t, w - RightColumn, t + BandBottom);

    const auto centred = [&](const QString& text, double y) {
        const double x = l + (w - RightColumn - l - target.textWidth(text)) / 2;
        target.printText(x, y, text, DrawingTarget::NoClip);
    };
    target.setFont(ReportFonts::title());
    const double titleLine = target.textHeight();
    const double titleTop = t + TitleCentre - titleLine / 2;
    centred(m_report.ReportTitle, titleTop);
    target.setFont(ReportFonts::subtitle());
    centred(m_subtitle, titleTop + titleLine);

    target.setFont(ReportFonts::text());
    const double line = target.textHeight();
    for (int i = 0; i < int(m_report.TitleInfo.size()); ++i)
        target.printText(l + 1, t + InfoTop + i * line, m_report.TitleInfo[i], w - RightColumn);
    target.printText(w - RightText, t + InfoTop, pageLabel(currentPage), DrawingTarget::NoClip);
    target.printText(w - RightText, t + InfoTop + 2 * line, dateLabel(), DrawingTarget::NoClip);
}

void ReportRenderer::printRow(DrawingTarget& target, int row, double y) const {
    double x = m_report.Geometry.LeftMargin;
    for (const int c : m_report.columnsInOrder()) {
        const ReportColumn& column = m_report.Columns[c];
        const QString& text = m_report.cell(row, c);
        if (column.Align == AlignCentre) {
            const QString trimmed = text.trimmed();
            target.printText(x + CentreShift + column.Width / 2 - target.textWidth(trimmed) / 2, y,
                             trimmed, DrawingTarget::NoClip);
        } else {
            // A text wider than its column ends in the mark at the column's
            // edge; the clip keeps even a lone mark off the next column.
            target.printText(x + LeftInset, y, fitted(target, text, column.Width - LeftInset),
                             x + column.Width);
        }
        x += column.Width;
    }
}

void ReportRenderer::gridLines(DrawingTarget& target, int printedRows) const {
    const PaperGeometry& g = m_report.Geometry;
    const double lineHeight = m_report.LineHeight;
    const double tableTop = g.TopMargin + TableTop;
    const bool fullPage = printedRows >= m_report.RowsPerPage;
    if (m_layout.verticalLines()) {
        const double bottom = fullPage ? g.PageHeight : tableTop + (printedRows + 1) * lineHeight;
        double x = g.LeftMargin;
        for (const int c : m_report.columnsInOrder()) {
            x += m_report.Columns[c].Width;
            target.drawLine(x, g.TopMargin + BandBottom, x, bottom);
        }
    }
    if (m_layout.horizontalLines()) {
        // Under the caption line and under every row; the frame closes a
        // full page.
        const int lines = fullPage ? printedRows : printedRows + 1;
        for (int i = 1; i <= lines; ++i) {
            const double y = tableTop + i * lineHeight;
            target.drawLine(g.LeftMargin, y, g.PageWidth, y);
        }
    }
}

void ReportRenderer::sb_Report_Datenblatt_ListenDruck(DrawingTarget& target,
                                                      int currentPage) const {
    if (m_report.ReportPool.empty())
        return;
    double y = m_report.Geometry.TopMargin + TableTop;
    target.setFont(
        ReportFonts::text(m_layout.HeaderBold, m_layout.HeaderItalic, m_layout.HeaderUnderline));
    printRow(target, 0, y);
    target.setFont(ReportFonts::text());
    int printed = 0;
    for (int r = 1; r <= m_report.RowCount; ++r) {
        if (m_report.RowPage[r] != currentPage)
            continue;
        y += m_report.LineHeight;
        printRow(target, r, y);
        ++printed;
    }
    gridLines(target, printed);
}

void ReportRenderer::drawPage(DrawingTarget& target, int page) const {
    sb_Report_Titel(target, page);
    sb_Report_Datenblatt_ListenDruck(target, page);
}

qint64 ReportRenderer::pagesToPrint(const PrintChoice& choice, int currentPage) const {
    if (choice.copies <= 0)
        return 0;
    return qint64(choice.copies) *
           qint64(choice.pagesOfOneCopy(m_report.PageCount, currentPage).size());
}

void ReportRenderer::sb_Report_ListenSeite_Print(PrintTarget& target, const PrintChoice& choice,
                                                 int currentPage) const {
    if (pagesToPrint(choice, currentPage) == 0)
        return;
    const std::vector<int> pages = choice.pagesOfOneCopy(m_report.PageCount, currentPage);
    bool first = true;
    for (int copy = 0; copy < choice.copies; ++copy) {
        for (const int page : pages) {
            if (!first)
                target.newPage();
            first = false;
            drawPage(target, page);
        }
    }
    target.endDoc();
}

} // namespace zyn
