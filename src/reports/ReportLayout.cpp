#include "ReportLayout.h"

#include "Report.h"
#include "ReportTextId.h"
#include "TextMeasurer.h"
#include "settings/LanguageTexts.h"
#include "settings/TextId.h"
#include "show/CueTable.h"

#include <algorithm>
#include <cmath>

namespace zyn {

namespace {

constexpr int ChannelListColumns = 17;
constexpr double CueColumnWidth = 10;
constexpr double TimeColumnWidth = 18;
constexpr double TextPadding = 2;
// The widest IC item a well-formed show holds: slave 200, channel 16, level 10.
const QString WidestIcItem = QStringLiteral("200-16-10");
// Narrowest the time and description columns become to leave room for one
// IC item; below these the cue's own texts would no longer be readable.
constexpr double DescriptionFloor = 20;

} // namespace

ReportLayout::ReportLayout(const LanguageTexts& texts, const TextMeasurer& measurer,
                           PaperReading paper)
    : m_texts(texts), m_measurer(measurer), m_paper(paper) {}

void ReportLayout::sb_Dim_Variablen(Report& report, int fixedColumns) {
    report.FixedColumns = fixedColumns;
    report.UserColumns = 0;
    report.RowCount = 0;
    report.ReportPool.assign(1, QStringList(report.ColumnCount() + 1));
    report.RowPage.assign(1, 0);
    report.Columns.assign(report.ColumnCount() + 1, ReportColumn{});
}

void ReportLayout::sb_Column_Header_Caption_KanalListe(Report& report) const {
    QStringList& captions = report.ReportPool.front();
    captions[0] = m_texts.text(TextId::HeadingSlave);
    for (int c = 1; c < ChannelListColumns; ++c)
        captions[c] = m_texts.text(TextId::HeadingChannel) + u' ' + QString::number(c);
}

void ReportLayout::sb_Column_Header_Caption_ZeitListe(Report& report) const {
    QStringList& captions = report.ReportPool.front();
    captions[0] = m_texts.text(TextId::HeadingCue);
    captions[1] = m_texts.text(TextId::HeadingTime);
    captions[2] = m_texts.text(TextId::HeadingDescription);
    captions[3] = m_texts.text(ReportTextId::ItemSlave) + u'-' +
                  m_texts.text(ReportTextId::ItemChannel) + u'-' +
                  m_texts.text(ReportTextId::ItemLevel);
}

void ReportLayout::sb_Column_Width_Read(Report& report) const {
    report.Geometry = PaperGeometry::sb_PrinterScalesWidth(m_paper);
    const double width = report.Geometry.tableWidth() / ChannelListColumns;
    for (int c = 0; c < int(report.Columns.size()); ++c)
        report.Columns[c] = {width, true, AlignCentre, qint16(c + 1)};
}

double ReportLayout::widestText(const CueTable& cues, int headingText, bool description) const {
    double widest = m_measurer.textWidth(m_texts.text(headingText));
    for (int r = 1; r <= CueTable::rowCount(); ++r) {
        const CueRow& cue = cues.row(r);
        const QString& text = description ? cue.Description : cue.TimeText;
        if (!text.isEmpty())
            widest = std::max(widest, m_measurer.textWidth(text));
    }
    return widest;
}

void ReportLayout::sb_Column_Width_Read_TimeList(Report& report, const CueTable& cues) const {
    report.Geometry = PaperGeometry::sb_PrinterScales(m_paper);
    const double widestTime = widestText(cues, TextId::HeadingTime, false);
    const double widestDescription = widestText(cues, TextId::HeadingDescription, true);

    double time = TimeColumnWidth;
    if (widestTime > TimeColumnWidth)
        time = std::floor(widestTime) + TextPadding;
    double description = widestDescription + TextPadding;
    const double room = report.Geometry.tableWidth() - CueColumnWidth - 1;
    double ic = room - time - description;

    // Descriptions or times so wide that not one IC item would fit give up
    // width to the IC list: the channels are what the list is printed for.
    const double icFloor = m_measurer.textWidth(WidestIcItem) + TextPadding;
    if (ic < icFloor) {
        const double fromDescription =
            std::min(icFloor - ic, std::max(0.0, description - DescriptionFloor));
        description -= fromDescription;
        ic += fromDescription;
    }
    if (ic < icFloor) {
        const double fromTime = std::min(icFloor - ic, std::max(0.0, time - TimeColumnWidth));
        time -= fromTime;
        ic += fromTime;
    }

    report.Columns[0] = {CueColumnWidth, true, AlignCentre, 1};
    report.Columns[1] = {time, true, AlignLeft, 2};
    report.Columns[2] = {description, true, AlignLeft, 3};
    report.Columns[3] = {ic, true, AlignLeft, 4};
}

void ReportLayout::sb_Report_Datenblatt_Listen_BlattFormat(Report& report) const {
    double sum = 0;
    for (int c = 0; c <= report.FixedColumns && c < int(report.Columns.size()); ++c) {
        if (report.Columns[c].Visible)
            sum += report.Columns[c].Width;
    }
    const bool portrait = sum <= report.PortraitWidthLimit;
    report.Geometry = portrait ? PaperGeometry::sb_PrinterScales(m_paper)
                               : PaperGeometry::sb_PrinterScalesWidth(m_paper);
    report.LayoutChanged = portrait != report.IsPortrait;
    report.IsPortrait = portrait;
}

} // namespace zyn
