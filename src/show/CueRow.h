#pragma once

#include <QString>

namespace zyn {

// One row of the cue table, held as the exact texts the file, the editor,
// the transfer and the reports all parse for themselves.
struct CueRow {
    QString SortKey;     // written by the cue sort, never stored in files
    QString CueNumber;   // the row number as text outside a running sort
    QString TimeText;    // time code, stop label (+ " #" n) or ""
    QString Description; // free text

    bool isInUse() const { return !TimeText.trimmed().isEmpty(); }
    friend bool operator==(const CueRow&, const CueRow&) = default;
};

} // namespace zyn
