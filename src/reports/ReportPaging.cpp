#include "ReportPaging.h"

#include "Report.h"
#include "TextMeasurer.h"

#include <cmath>

namespace zyn {

namespace {

constexpr int IcColumn = 3;
// The table starts this far below the top margin: title block and captions.
constexpr double TableOffset = 38;

} // namespace

ReportPaging::ReportPaging(Report& report, const TextMeasurer& measurer)
    : m_report(report), m_measurer(measurer) {}

int ReportPaging::rowsPerPage(double pageHeight, double topMargin, double lineHeight) {
    if (!(lineHeight > 0))
        return 1;
    const double rows = std::floor((pageHeight - (topMargin + TableOffset)) / lineHeight - 1);
    // A page too small for its table still takes one row per page rather
    // than none, which would put every row on one page past its bottom.
    if (!(rows >= 1))
        return 1;
    return rows > 32767 ? 32767 : int(rows);
}

void ReportPaging::begin() {
    m_report.PageCount = 1;
    m_report.RowsOnPage = 0;
    m_report.RowsPerPage =
        rowsPerPage(m_report.Geometry.PageHeight, m_report.Geometry.TopMargin, m_report.LineHeight);
}

int ReportPaging::appendRow() {
    m_report.RowCount += 1;
    m_report.RowsOnPage += 1;
    m_report.ReportPool.emplace_back(QStringList(m_report.ColumnCount() + 1));
    m_report.RowPage.push_back(m_report.PageCount);
    return m_report.RowCount;
}

bool ReportPaging::sb_Blatt_ZeilenEnde() {
    if (m_report.RowsOnPage != m_report.RowsPerPage)
        return false;
    m_report.PageCount += 1;
    m_report.RowsOnPage = 0;
    return true;
}

void ReportPaging::finish() {
    if (m_report.RowsOnPage == 0 && m_report.PageCount > 1)
        m_report.PageCount -= 1;
}

void ReportPaging::sb_CreateTextUmbruch(const QString& text, double width, const CueColumns& cue) {
    QString line;
    QString word;
    int rowsSincePageTop = 1;
    bool needNewRow = false;

    const auto flush = [&] {
        const int row = needNewRow ? appendRow() : m_report.RowCount;
        QStringList& cells = m_report.ReportPool[row];
        cells[IcColumn] = line.trimmed();
        line.clear();
        if (rowsSincePageTop == 0) {
            for (int c = 0; c < int(cue.size()); ++c)
                cells[c] = cue[c];
        }
        rowsSincePageTop += 1;
        needNewRow = true;
        if (sb_Blatt_ZeilenEnde())
            rowsSincePageTop = 0;
    };
    // A word that does not fit behind the line ends the line; a line holding
    // no word yet is never ended, which would leave a row without channels.
    const auto place = [&](bool lastWord) {
        const QString longer = line + u' ' + word;
        const double measured = m_measurer.textWidth(longer);
        const bool tooWide = lastWord ? measured > width : measured >= width;
        if (tooWide && !line.trimmed().isEmpty()) {
            flush();
            line = u' ' + word;
        } else {
            line = longer;
        }
        word.clear();
    };

    for (const QChar c : text) {
        if (c != u' ')
            word += c;
        else
            place(false);
    }
    place(true);
    if (!line.trimmed().isEmpty())
        flush();
    if (!needNewRow) // a list of blanks only: the cue's own row still closes
        sb_Blatt_ZeilenEnde();
}

} // namespace zyn
