#pragma once

#include "PaperGeometry.h"
#include "ReportColumn.h"
#include "ReportKind.h"

#include <QStringList>
#include <array>
#include <vector>

namespace zyn {

// The state of the report window: one report of the current show as a table
// of texts with its columns, its paper and its pages.
//
// Invariants after a build: ReportPool has RowCount + 1 rows (row 0 holds the
// column captions) of ColumnCount() + 1 texts each; RowPage has one entry per
// row, each data row's page lies in 1..PageCount and pages never decrease
// from row to row; PageCount >= 1 and no page is left empty except the only
// page of a report without rows.
struct Report {
    qint16 Kind = NoReport;

    std::vector<QStringList> ReportPool; // [row][column]
    std::vector<int> RowPage;            // [row]; entry 0 is unused
    int FixedColumns = 0;                // highest fixed column index
    int UserColumns = 0;                 // columns after the fixed ones; none exist
    int RowCount = 0;                    // data rows
    std::vector<ReportColumn> Columns;   // [column]

    int PageCount = 1;   // pages, also the page being filled during a build
    int RowsOnPage = 0;  // rows placed on the page being filled
    int RowsPerPage = 1; // data rows one page holds

    PaperGeometry Geometry;        // the current orientation
    double PortraitWidthLimit = 0; // widest table that still prints in portrait, mm
    bool IsPortrait = true;
    bool LayoutChanged = false; // the last build changed the orientation
    bool PoolStale = true;      // the rows must be rebuilt from the show
    double LineHeight = 0;      // one line of table text, mm

    QString ReportTitle;
    // Program name and version, the project's path, and an empty line.
    std::array<QString, 3> TitleInfo;

    int ColumnCount() const { return FixedColumns + UserColumns; }

    const QString& cell(int row, int column) const { return ReportPool[row][column]; }
    const QStringList& captions() const { return ReportPool.front(); }

    // The visible columns by their Order: the columns a page draws and an
    // export writes, left to right.
    std::vector<int> columnsInOrder() const;
    // Sum of the widths of the visible columns.
    double visibleWidth() const;
    // How many data rows lie on the page.
    int rowsOnPage(int page) const;
};

} // namespace zyn
