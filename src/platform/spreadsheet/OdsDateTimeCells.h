#pragma once

#include "CellName.h"

#include <QByteArrayView>
#include <QHash>
#include <QString>
#include <functional>
#include <optional>

namespace zyn {

// The time and date cells of the first table of an OpenDocument spreadsheet,
// read from its content.xml. The general reader leaves such cells empty; this
// one takes their own value (office:time-value, office:date-value) so that a
// time keeps its fraction of a second. Repeated rows and columns are
// expanded, up to a limit that keeps a crafted file from exhausting memory.
class OdsDateTimeCells {
public:
    static constexpr qsizetype MaxCells = 1000000;

    // The cells of the content, or nothing with the reason in `error`.
    static std::optional<OdsDateTimeCells> read(QByteArrayView contentXml, QString* error);

    // The cell's text, or nothing when it is no time or date cell.
    std::optional<QString> text(CellPosition position) const;
    // Every time and date cell, in no particular order.
    void forEach(const std::function<void(CellPosition, const QString&)>& visit) const;

    // "PT01H02M03.5S" as "1:02:03.5"; nothing when it is no duration.
    static std::optional<QString> timeValueText(QStringView timeValue);
    // "2024-02-01" or "2024-02-01T10:00:00" as "2024-02-01" or "2024-02-01 10:00:00".
    static std::optional<QString> dateValueText(QStringView dateValue);

private:
    static quint64 key(int row, int column) {
        return (quint64(quint32(row)) << 32) | quint32(column);
    }

    QHash<quint64, QString> m_cells;
};

} // namespace zyn
