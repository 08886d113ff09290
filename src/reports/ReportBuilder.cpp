#include "ReportBuilder.h"

#include "CueChannelIndex.h"
#include "Report.h"
#include "ReportLayout.h"
#include "ReportPaging.h"
#include "ReportTextId.h"
#include "TextMeasurer.h"
#include "Version.h"
#include "settings/LanguageTexts.h"
#include "show/NumericText.h"
#include "show/Show.h"

#include <algorithm>

namespace zyn {

namespace {

constexpr int ChannelListFixedColumns = 16;
constexpr int TimeListFixedColumns = 3;
constexpr int IcColumn = 3;

QString programLine() {
    return QLatin1String(Version::ProductName) + QStringLiteral(" (%1.%2.%3)")
                                                     .arg(Version::Major)
                                                     .arg(Version::Minor)
                                                     .arg(Version::Revision);
}

} // namespace

ReportBuilder::ReportBuilder(const Show& show, const LanguageTexts& texts,
                             const TextMeasurer& measurer, PaperReading paper)
    : m_show(show), m_texts(texts), m_measurer(measurer), m_paper(paper) {}

Report ReportBuilder::windowLoad() const {
    Report report;
    report.Geometry = PaperGeometry::sb_PrinterScales(m_paper);
    report.PortraitWidthLimit = std::min(report.Geometry.PageWidth - report.Geometry.LeftMargin,
                                         report.Geometry.PageHeight - report.Geometry.LeftMargin);
    report.IsPortrait = true;
    report.LayoutChanged = false;
    report.PoolStale = true;
    report.LineHeight = m_measurer.lineHeight();
    return report;
}

void ReportBuilder::sb_Make_DatenPool(Report& report) const {
    if (!report.PoolStale)
        return;
    report.PageCount = 1;
    switch (report.Kind) {
    case ChannelListReport:
        sb_Report_Datenblatt_KanalListe(report);
        report.ReportTitle = m_texts.text(ReportTextId::ChannelListTitle);
        break;
    case TimeListReport:
        sb_Report_Datenblatt_ZeitListe(report);
        report.ReportTitle = m_texts.text(ReportTextId::TimeListTitle);
        break;
    default:
        ReportLayout::sb_Dim_Variablen(report, 0);
        report.ReportTitle.clear();
        break;
    }
    report.TitleInfo = {programLine(), m_show.state.ProjectPath, QString()};
    report.PoolStale = false;
}

void ReportBuilder::sb_Report_Datenblatt_KanalListe(Report& report) const {
    const ReportLayout layout(m_texts, m_measurer, m_paper);
    ReportLayout::sb_Dim_Variablen(report, ChannelListFixedColumns);
    layout.sb_Column_Header_Caption_KanalListe(report);
    layout.sb_Column_Width_Read(report);
    layout.sb_Report_Datenblatt_Listen_BlattFormat(report);

    ReportPaging paging(report, m_measurer);
    paging.begin();
    for (int s = 1; s <= MaxSlaves; ++s) {
        QStringList& cells = report.ReportPool[paging.appendRow()];
        cells[0] = QString::number(s);
        for (int c = 1; c <= ChannelsPerSlave; ++c)
            cells[c] = m_show.ics.cell(s, c);
        paging.sb_Blatt_ZeilenEnde();
    }
    paging.finish();
}

void ReportBuilder::sb_Report_Datenblatt_ZeitListe(Report& report) const {
    const ReportLayout layout(m_texts, m_measurer, m_paper);
    ReportLayout::sb_Dim_Variablen(report, TimeListFixedColumns);
    layout.sb_Column_Header_Caption_ZeitListe(report);
    layout.sb_Column_Width_Read_TimeList(report, m_show.cues);
    // The orientation is chosen before the rows are paged, so that the rows
    // per page always belong to the paper the pages are printed on.
    layout.sb_Report_Datenblatt_Listen_BlattFormat(report);
    timeListRows(report);
}

QString ReportBuilder::progressText(int cueRow) const {
    return m_texts.text(ReportTextId::PreparingData) + QStringLiteral(" -> ") +
           QString::number(MaxCues - cueRow) + QStringLiteral(" TO GO");
}

void ReportBuilder::timeListRows(Report& report) const {
    const bool timeCoded = m_show.state.ShowMode == TimeCodedShow;
    const CueChannelIndex channels(m_show.ics);
    const double icWidth = report.Columns[IcColumn].Width;
    ReportPaging paging(report, m_measurer);
    paging.begin();
    for (int k = 1; k <= MaxCues; ++k) {
        if (m_progress)
            m_progress(k, timeCoded ? QString() : progressText(k));
        const CueRow& cue = m_show.cues.row(k);
        const QString list = channels
                                 .sb_Report_Datenblatt_ZeitListe_Kodierung(
                                     NumericText::leadingValue(cue.CueNumber), timeCoded)
                                 .trimmed();
        const bool hasDescription = !cue.Description.trimmed().isEmpty();
        // A manual show holds a time in every row, so only channels or a
        // description list a cue there.
        const bool listed =
            !list.isEmpty() || hasDescription || (timeCoded && !cue.TimeText.trimmed().isEmpty());
        if (!listed)
            continue;
        QStringList& cells = report.ReportPool[paging.appendRow()];
        cells[0] = cue.CueNumber;
        cells[1] = cue.TimeText;
        cells[2] = cue.Description;
        if (m_measurer.textWidth(list) <= icWidth) {
            cells[IcColumn] = list;
            paging.sb_Blatt_ZeilenEnde();
        } else {
            paging.sb_CreateTextUmbruch(list, icWidth,
                                        {cue.CueNumber, cue.TimeText, cue.Description});
        }
    }
    paging.finish();
}

} // namespace zyn
