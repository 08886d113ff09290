#pragma once

#include "MarkedRowModel.h"

namespace zyn {

class CueTable;
class FiringHighlight;

// MSHFlexGrid_Time: the cue table as a grid. Row i shows cue row i + 1; the
// two columns are the time and the description. The cue numbers and the row
// marker are the vertical header, which stays in place when the grid scrolls
// sideways. The model reads the table directly: there is no copy to keep in
// step, only ranges to announce after a change.
class CueGridModel : public MarkedRowModel {
    Q_OBJECT

public:
    enum Column { TimeColumn = 0, DescriptionColumn = 1, ColumnCount = 2 };

    CueGridModel(const CueTable& cues, QObject* parent = nullptr);

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;
    Qt::ItemFlags flags(const QModelIndex& index) const override;

    void setHeaders(const QString& time, const QString& description);

    // Announces changed cue rows (1-based, inclusive) or the whole table.
    void cuesChanged(int firstCue, int lastCue);
    void allChanged();
    // The playhead passed this cue row: it lights for a moment.
    void lightCue(int row);

private:
    const CueTable& m_cues;
    QString m_headers[ColumnCount];
    FiringHighlight* m_firing = nullptr;
};

} // namespace zyn
