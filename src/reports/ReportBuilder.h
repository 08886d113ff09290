#pragma once

#include "PaperGeometry.h"

#include <QString>
#include <functional>

namespace zyn {

class LanguageTexts;
class Show;
class TextMeasurer;
struct Report;

// Turns the show tables into a report: the channel list (one row per slave
// module) or the time list (one row per cue in use, with the channels it
// fires), paged for the printer's paper. Reads the show, never changes it.
class ReportBuilder {
public:
    // Told before each cue of the time list: the cue row and, in a manual
    // show, the status line to show ("... -> 3199 TO GO"; "" otherwise).
    // The window lets its pending messages run here.
    using Progress = std::function<void(int cueRow, const QString& status)>;

    ReportBuilder(const Show& show, const LanguageTexts& texts, const TextMeasurer& measurer,
                  PaperReading paper);

    void setProgress(Progress progress) { m_progress = std::move(progress); }

    // The report window's state at load, before its first build: portrait
    // geometry and its width limit, the line height, the pool stale.
    Report windowLoad() const;

    // sb_Make_DatenPool: builds the pool of report.Kind from the show when
    // the pool is stale, with its title and title lines.
    void sb_Make_DatenPool(Report& report) const;

private:
    void sb_Report_Datenblatt_KanalListe(Report& report) const;
    void sb_Report_Datenblatt_ZeitListe(Report& report) const;
    void timeListRows(Report& report) const;
    QString progressText(int cueRow) const;

    const Show& m_show;
    const LanguageTexts& m_texts;
    const TextMeasurer& m_measurer;
    PaperReading m_paper;
    Progress m_progress;
};

} // namespace zyn
