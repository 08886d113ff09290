#include "CueMoves.h"

#include "CueReferences.h"
#include "show/Show.h"

namespace zyn {

namespace {

// For each old cue number, the first row that now carries it (0: none).
std::vector<int> newRowsByOldNumber(const CueTable& cues) {
    std::vector<int> newRow(MaxCues + 1, 0);
    for (int r = 1; r <= MaxCues; ++r) {
        bool ok = false;
        const int old = cues.row(r).CueNumber.toInt(&ok);
        if (ok && old >= 1 && old <= MaxCues && newRow[static_cast<size_t>(old)] == 0)
            newRow[static_cast<size_t>(old)] = r;
    }
    return newRow;
}

void renumberCell(QString& cell, const std::vector<int>& newRow) {
    const int old = CueReferences::cueOf(cell);
    if (old == 0)
        return;
    const int row = newRow[static_cast<size_t>(old)];
    if (row == 0)
        return;
    const qsizetype dash = cell.indexOf(u'-');
    QString renumbered = QString::number(row);
    if (dash >= 0)
        renumbered += QStringView(cell).mid(dash);
    if (renumbered != cell)
        cell = std::move(renumbered);
}

} // namespace

void CueMoves::removeRows(CueTable& cues, int first, int last) {
    const int count = last - first + 1;
    for (int r = first; r + count <= MaxCues; ++r)
        cues.row(r) = std::move(cues.row(r + count));
    for (int r = MaxCues - count + 1; r <= MaxCues; ++r)
        cues.row(r) = CueRow{};
}

void CueMoves::insertEmptyRow(CueTable& cues, int at) {
    for (int r = MaxCues; r > at; --r)
        cues.row(r) = std::move(cues.row(r - 1));
    cues.row(at) = CueRow{};
}

void CueMoves::layOut(CueTable& cues, std::vector<CueRow> rows) {
    int r = 1;
    for (CueRow& row : rows) {
        if (r > MaxCues)
            break;
        cues.row(r++) = std::move(row);
    }
    for (; r <= MaxCues; ++r)
        cues.row(r) = CueRow{};
}

void CueMoves::renumberReferences(Show& show, const std::function<void()>& moduleDone) {
    const std::vector<int> newRow = newRowsByOldNumber(show.cues);
    for (int s = 1; s <= MaxSlaves; ++s) {
        for (int c = 1; c <= ChannelsPerSlave; ++c) {
            QString& cell = show.ics.cell(s, c);
            if (!cell.isEmpty())
                renumberCell(cell, newRow);
        }
        if (moduleDone)
            moduleDone();
    }
    show.cues.renumber();
}

} // namespace zyn
