#pragma once

#include <QString>
#include <array>

namespace zyn {

class TextMeasurer;
struct Report;

// Fills the data rows of a report page by page during a build. Each row
// lands on the page being filled; a page takes RowsPerPage rows and then the
// next one begins. An IC list too wide for its column continues on rows
// below, and when it crosses a page break the first row of the new page
// repeats its cue, so that no printed channel is separated from its cue.
class ReportPaging {
public:
    using CueColumns = std::array<QString, 3>; // cue number, time, description

    ReportPaging(Report& report, const TextMeasurer& measurer);

    // Starts the rows anew on page 1; RowsPerPage from the current geometry.
    void begin();
    // Appends an empty row on the page being filled and returns its index.
    int appendRow();
    // sb_Blatt_ZeilenEnde: closes a row; true when it filled the page and
    // the next row starts a new one.
    bool sb_Blatt_ZeilenEnde();
    // sb_CreateTextUmbruch: places the IC list in column 3 of the current
    // (last) row and of as many rows below as it needs, breaking it between
    // items: each part is narrower than `width`, the last one at most as
    // wide, and an item wider than `width` stands alone.
    void sb_CreateTextUmbruch(const QString& text, double width, const CueColumns& cue);
    // After the last row: a page break just behind it leaves no empty page.
    void finish();

    // Data rows per page for the report's geometry and line height.
    static int rowsPerPage(double pageHeight, double topMargin, double lineHeight);

private:
    Report& m_report;
    const TextMeasurer& m_measurer;
};

} // namespace zyn
