#pragma once

#include "reports/LabelLayout.h"

#include <QDate>
#include <QString>

namespace zyn {

class DrawingTarget;
class LanguageTexts;
class PrintTarget;
struct PrintChoice;
struct Report;

// Draws the pages of a built report: the one drawing routine of the preview,
// the printer and the PDF export. Positions are millimetres within the
// report's frame (LeftMargin, TopMargin)-(PageWidth, PageHeight):
//
//   T      +-----------------------------------+---------+
//          |        title (16 pt, bold)        |         |
//          |          subtitle (10 pt)         |         |
//   T + 23 +-----------------------------------+---------+
//          | program and version               | page    |
//          | project path                      |         |
//          |                                   | date    |
//   T + 37 +-----------------------------------+---------+
//   T + 38 | captions, then one row per line             |
//          |                                             |
//   H      +---------------------------------------------+
//          L                                W - 40       W
class ReportRenderer {
public:
    ReportRenderer(const Report& report, const LanguageTexts& texts, QDate today);

    void setSubtitle(const QString& subtitle) { m_subtitle = subtitle; }
    void setLabelLayout(const LabelLayout& layout) { m_layout = layout; }

    // sb_Report_Titel: clears the target, then the frame and the title block
    // of the page.
    void sb_Report_Titel(DrawingTarget& target, int currentPage) const;
    // sb_Report_Datenblatt_ListenDruck: the caption line, the page's rows and
    // the grid lines.
    void sb_Report_Datenblatt_ListenDruck(DrawingTarget& target, int currentPage) const;
    // sb_Report_ListenSeite_Show: the whole page.
    void drawPage(DrawingTarget& target, int page) const;

    // How many pages the choice prints; 0 means the job must not be started.
    qint64 pagesToPrint(const PrintChoice& choice, int currentPage) const;
    // sb_Report_ListenSeite_Print: every copy and page of the choice as one
    // job, with no blank page after the last. Draws nothing, and does not
    // end the job, when the choice prints no page.
    void sb_Report_ListenSeite_Print(PrintTarget& target, const PrintChoice& choice,
                                     int currentPage) const;

private:
    void printRow(DrawingTarget& target, int row, double y) const;
    void gridLines(DrawingTarget& target, int printedRows) const;
    QString pageLabel(int page) const;
    QString dateLabel() const;

    const Report& m_report;
    const LanguageTexts& m_texts;
    QDate m_today;
    QString m_subtitle;
    LabelLayout m_layout;
};

} // namespace zyn
