#include "CueGridModel.h"

#include "FiringHighlight.h"
#include "show/CueTable.h"

namespace zyn {

CueGridModel::CueGridModel(const CueTable& cues, QObject* parent)
    : MarkedRowModel(parent), m_cues(cues),
      m_firing(new FiringHighlight([this](int row) { cuesChanged(row, row); }, this)) {}

int CueGridModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : CueTable::rowCount();
}

int CueGridModel::columnCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : ColumnCount;
}

QVariant CueGridModel::data(const QModelIndex& index, int role) const {
    const CueRow& cue = m_cues.row(index.row() + 1);
    switch (role) {
    case Qt::DisplayRole:
        return index.column() == TimeColumn ? cue.TimeText : cue.Description;
    case Qt::BackgroundRole:
        return m_firing->isLit(index.row() + 1) ? QVariant(FiringHighlight::brush())
                                                : rowBackground(index.row());
    case Qt::TextAlignmentRole:
        return QVariant(Qt::AlignLeft | Qt::AlignVCenter);
    default:
        return {};
    }
}

QVariant CueGridModel::headerData(int section, Qt::Orientation orientation, int role) const {
    if (orientation == Qt::Horizontal) {
        if (role == Qt::DisplayRole && section >= 0 && section < ColumnCount)
            return m_headers[section];
        if (role == Qt::TextAlignmentRole)
            return QVariant(Qt::AlignLeft | Qt::AlignVCenter);
        return {};
    }
    switch (role) {
    case Qt::DisplayRole:
        return m_cues.row(section + 1).CueNumber;
    case Qt::DecorationRole:
        return headerMarker(section);
    case Qt::TextAlignmentRole:
        return QVariant(Qt::AlignRight | Qt::AlignVCenter);
    default:
        return {};
    }
}

Qt::ItemFlags CueGridModel::flags(const QModelIndex& index) const {
    // The root is no cell: views must not offer to select it.
    return index.isValid() ? Qt::ItemIsEnabled | Qt::ItemIsSelectable : Qt::NoItemFlags;
}

void CueGridModel::setHeaders(const QString& time, const QString& description) {
    m_headers[TimeColumn] = time;
    m_headers[DescriptionColumn] = description;
    emit headerDataChanged(Qt::Horizontal, 0, ColumnCount - 1);
}

void CueGridModel::cuesChanged(int firstCue, int lastCue) {
    emit dataChanged(index(firstCue - 1, 0), index(lastCue - 1, ColumnCount - 1));
    emit headerDataChanged(Qt::Vertical, firstCue - 1, lastCue - 1);
}

void CueGridModel::lightCue(int row) {
    if (CueTable::isValidRow(row))
        m_firing->light(row);
}

void CueGridModel::allChanged() {
    cuesChanged(1, CueTable::rowCount());
}

} // namespace zyn
