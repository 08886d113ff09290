#pragma once

#include "PaperGeometry.h"

namespace zyn {

class CueTable;
class LanguageTexts;
class TextMeasurer;
struct Report;

// The columns of the two reports, their captions and widths, and the choice
// of orientation that follows from the widths.
class ReportLayout {
public:
    ReportLayout(const LanguageTexts& texts, const TextMeasurer& measurer, PaperReading paper);

    // sb_Dim_Variablen: an empty pool of the given fixed columns, with its
    // caption row and default columns, and no data rows.
    static void sb_Dim_Variablen(Report& report, int fixedColumns);

    // Slave, then "Ch 1" to "Ch 16".
    void sb_Column_Header_Caption_KanalListe(Report& report) const;
    // Cue, time, description, and the parts of an IC item.
    void sb_Column_Header_Caption_ZeitListe(Report& report) const;

    // Seventeen equal centred columns across a landscape page.
    void sb_Column_Width_Read(Report& report) const;
    // Cue number, time and description as wide as their widest text in the
    // cue table, the IC list taking the rest of a portrait page.
    void sb_Column_Width_Read_TimeList(Report& report, const CueTable& cues) const;

    // sb_Report_Datenblatt_Listen_BlattFormat: portrait when the visible
    // columns fit within PortraitWidthLimit, otherwise landscape; sets
    // LayoutChanged when the orientation changed.
    void sb_Report_Datenblatt_Listen_BlattFormat(Report& report) const;

private:
    double widestText(const CueTable& cues, int headingText, bool description) const;

    const LanguageTexts& m_texts;
    const TextMeasurer& m_measurer;
    PaperReading m_paper;
};

} // namespace zyn
