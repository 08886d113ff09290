#include "Report.h"

#include <algorithm>

namespace zyn {

std::vector<int> Report::columnsInOrder() const {
    std::vector<int> columns;
    for (int c = 0; c < int(Columns.size()); ++c) {
        if (Columns[c].Visible)
            columns.push_back(c);
    }
    std::stable_sort(columns.begin(), columns.end(),
                     [this](int a, int b) { return Columns[a].Order < Columns[b].Order; });
    return columns;
}

double Report::visibleWidth() const {
    double width = 0;
    for (const ReportColumn& column : Columns) {
        if (column.Visible)
            width += column.Width;
    }
    return width;
}

int Report::rowsOnPage(int page) const {
    return int(
        std::count(RowPage.begin() + std::min<qsizetype>(1, RowPage.size()), RowPage.end(), page));
}

} // namespace zyn
