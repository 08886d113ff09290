#include "GridSelections.h"

#include "CueGridModel.h"

#include <QItemSelectionModel>
#include <QTableView>

namespace zyn::GridSelections {

namespace {

struct Corners {
    int currentRow = 0;
    int currentColumn = 0;
    int otherRow = 0;
    int otherColumn = 0;
};

// The corner of the selected range opposite the current cell.
Corners cornersOf(const QTableView& grid) {
    const QModelIndex current = grid.currentIndex();
    Corners corners;
    corners.currentRow = current.isValid() ? current.row() : 0;
    corners.currentColumn = current.isValid() ? current.column() : 0;
    corners.otherRow = corners.currentRow;
    corners.otherColumn = corners.currentColumn;
    const QItemSelection selection = grid.selectionModel()->selection();
    for (const QItemSelectionRange& range : selection) {
        if (!range.contains(current))
            continue;
        corners.otherRow = corners.currentRow == range.top() ? range.bottom() : range.top();
        corners.otherColumn = corners.currentColumn == range.left() ? range.right() : range.left();
        break;
    }
    return corners;
}

CueColumn cueColumn(int column) {
    return column == CueGridModel::DescriptionColumn ? CueColumn::Description : CueColumn::Time;
}

} // namespace

CueSelection cues(const QTableView& grid) {
    const Corners c = cornersOf(grid);
    return {c.currentRow + 1, cueColumn(c.currentColumn), c.otherRow + 1, cueColumn(c.otherColumn)};
}

IcSelection channels(const QTableView& grid) {
    const Corners c = cornersOf(grid);
    return {c.currentRow + 1, c.currentColumn + 1, c.otherRow + 1, c.otherColumn + 1};
}

StepperSelection steppers(const QTableView& grid) {
    const Corners c = cornersOf(grid);
    return {c.currentColumn + 1, c.otherColumn + 1};
}

} // namespace zyn::GridSelections
