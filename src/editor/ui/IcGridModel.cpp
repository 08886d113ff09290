#include "IcGridModel.h"

#include "FiringHighlight.h"
#include "editor/CueReferences.h"
#include "show/IcTable.h"

namespace zyn {

IcGridModel::IcGridModel(const IcTable& ics, QObject* parent)
    : MarkedRowModel(parent), m_ics(ics), m_firing(new FiringHighlight(
                                              [this](int key) {
                                                  const int slave = key / ChannelsPerSlave + 1;
                                                  const int channel = key % ChannelsPerSlave + 1;
                                                  cellsChanged(slave, channel, slave, channel);
                                              },
                                              this)) {}

int IcGridModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : MaxSlaves;
}

int IcGridModel::columnCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : ChannelsPerSlave;
}

QVariant IcGridModel::data(const QModelIndex& index, int role) const {
    switch (role) {
    case Qt::DisplayRole:
        return m_ics.cell(index.row() + 1, index.column() + 1);
    case Qt::BackgroundRole:
        return m_firing->isLit(index.row() * ChannelsPerSlave + index.column())
                   ? QVariant(FiringHighlight::brush())
                   : rowBackground(index.row());
    case Qt::TextAlignmentRole:
        return QVariant(Qt::AlignCenter);
    default:
        return {};
    }
}

QVariant IcGridModel::headerData(int section, Qt::Orientation orientation, int role) const {
    if (role == Qt::TextAlignmentRole)
        return QVariant(Qt::AlignCenter);
    if (orientation == Qt::Horizontal)
        return role == Qt::DisplayRole ? m_channelWord + u' ' + QString::number(section + 1)
                                       : QVariant();
    if (role == Qt::DisplayRole)
        return QString::number(section + 1);
    if (role == Qt::DecorationRole)
        return headerMarker(section);
    return {};
}

Qt::ItemFlags IcGridModel::flags(const QModelIndex& index) const {
    // The root is no cell: views must not offer to select it.
    return index.isValid() ? Qt::ItemIsEnabled | Qt::ItemIsSelectable : Qt::NoItemFlags;
}

void IcGridModel::setChannelWord(const QString& word) {
    m_channelWord = word;
    emit headerDataChanged(Qt::Horizontal, 0, ChannelsPerSlave - 1);
}

void IcGridModel::cellsChanged(int firstSlave, int firstChannel, int lastSlave, int lastChannel) {
    emit dataChanged(index(firstSlave - 1, firstChannel - 1),
                     index(lastSlave - 1, lastChannel - 1));
}

void IcGridModel::lightCue(int cue) {
    for (int slave = 1; slave <= MaxSlaves; ++slave)
        for (int channel = 1; channel <= ChannelsPerSlave; ++channel)
            if (CueReferences::cueOf(m_ics.cell(slave, channel)) == cue)
                m_firing->light((slave - 1) * ChannelsPerSlave + channel - 1);
}

void IcGridModel::allChanged() {
    cellsChanged(1, 1, MaxSlaves, ChannelsPerSlave);
}

} // namespace zyn
