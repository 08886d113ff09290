#pragma once

#include "ShowLimits.h"

#include <QString>
#include <vector>

namespace zyn {

// The ignition channels: 200 slave modules with 16 channel cells each, both
// addressed 1-based. A cell holds "", a cue assignment ("12", "12-3") or a
// key assignment ("K 4", "K 4-2"); see CellGrammar.
class IcTable {
public:
    IcTable();

    static constexpr bool isValidCell(int slave, int channel) {
        return slave >= 1 && slave <= MaxSlaves && channel >= 1 && channel <= ChannelsPerSlave;
    }

    QString& cell(int slave, int channel);
    const QString& cell(int slave, int channel) const;

    void clear();

    friend bool operator==(const IcTable&, const IcTable&) = default;

private:
    std::vector<QString> m_cells;
};

} // namespace zyn
