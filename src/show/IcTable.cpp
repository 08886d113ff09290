#include "IcTable.h"

#include <QtGlobal>

namespace zyn {

namespace {
size_t indexOf(int slave, int channel) {
    return static_cast<size_t>((slave - 1) * ChannelsPerSlave + (channel - 1));
}
} // namespace

IcTable::IcTable() : m_cells(MaxSlaves * ChannelsPerSlave) {}

QString& IcTable::cell(int slave, int channel) {
    Q_ASSERT(isValidCell(slave, channel));
    return m_cells[indexOf(slave, channel)];
}

const QString& IcTable::cell(int slave, int channel) const {
    Q_ASSERT(isValidCell(slave, channel));
    return m_cells[indexOf(slave, channel)];
}

void IcTable::clear() {
    for (QString& text : m_cells)
        text.clear();
}

} // namespace zyn
