#pragma once

#include "MarkedRowModel.h"

namespace zyn {

class FiringHighlight;
class IcTable;

// MSHFlexGrid_Slave: the channel table as a grid. Row i is slave module i + 1,
// column j is channel j + 1. The module numbers and the row marker are the
// vertical header, so they stay in view when the channels scroll sideways.
class IcGridModel : public MarkedRowModel {
    Q_OBJECT

public:
    IcGridModel(const IcTable& ics, QObject* parent = nullptr);

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;
    Qt::ItemFlags flags(const QModelIndex& index) const override;

    // The channel heading: the word, a blank and the channel number.
    void setChannelWord(const QString& word);

    // Announces changed cells (1-based slaves and channels, inclusive).
    void cellsChanged(int firstSlave, int firstChannel, int lastSlave, int lastChannel);
    void allChanged();
    // The playhead passed this cue: the channels that fire it light for a moment.
    void lightCue(int cue);

private:
    const IcTable& m_ics;
    QString m_channelWord;
    FiringHighlight* m_firing = nullptr;
};

} // namespace zyn
