#pragma once

#include <QAbstractTableModel>
#include <QVariant>

namespace zyn {

// What the cue grid and the channel grid share: the zebra colour of even
// data rows and the marker picture in the header of the current row.
class MarkedRowModel : public QAbstractTableModel {
    Q_OBJECT

public:
    explicit MarkedRowModel(QObject* parent = nullptr);

    // The row (0-based) whose header shows the marker; -1 for none.
    void setMarkerRow(int row);
    int markerRow() const { return m_markerRow; }

protected:
    // The background of a data row: the zebra colour for even rows (1-based).
    const QVariant& rowBackground(int row) const;
    // The marker picture for a header section, or nothing.
    const QVariant& headerMarker(int section) const;

private:
    int m_markerRow = -1;
    QVariant m_zebra;
    QVariant m_marker;
    QVariant m_none;
};

} // namespace zyn
