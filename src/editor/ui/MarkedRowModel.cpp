#include "MarkedRowModel.h"

#include "GridStyle.h"
#include "ui/IconSet.h"

#include <QBrush>

namespace zyn {

MarkedRowModel::MarkedRowModel(QObject* parent)
    : QAbstractTableModel(parent), m_zebra(QBrush(GridStyle::zebra())),
      m_marker(IconSet::rowMarker()) {}

void MarkedRowModel::setMarkerRow(int row) {
    if (row == m_markerRow)
        return;
    const int previous = m_markerRow;
    m_markerRow = row;
    if (previous >= 0)
        emit headerDataChanged(Qt::Vertical, previous, previous);
    if (row >= 0)
        emit headerDataChanged(Qt::Vertical, row, row);
}

const QVariant& MarkedRowModel::rowBackground(int row) const {
    return (row + 1) % 2 == 0 ? m_zebra : m_none;
}

const QVariant& MarkedRowModel::headerMarker(int section) const {
    return section == m_markerRow ? m_marker : m_none;
}

} // namespace zyn
