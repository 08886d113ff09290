#pragma once

#include <QtGlobal>

namespace zyn {

// Values of ReportColumn::Align.
enum ColumnAlignment : qint16 {
    AlignLeft = 0,
    AlignCentre = 2,
};

// One column of a report: its width on paper, whether it is drawn and
// exported, how its text sits in it and its 1-based position among the
// columns.
struct ReportColumn {
    double Width = 0; // mm
    bool Visible = true;
    qint16 Align = AlignLeft;
    qint16 Order = 0;

    friend bool operator==(const ReportColumn&, const ReportColumn&) = default;
};

} // namespace zyn
