#include "ChannelRecord.h"

namespace zyn {

QByteArray ChannelRecord::bytes() const {
    Q_ASSERT(fitsCountByte());
    QByteArray out;
    out.reserve(3 + 3 * qMax(1, count()));
    out.append('\0').append('\0').append(char(quint8(count())));
    if (m_entries.empty())
        return out.append(3, '\0');
    for (const ChannelEntry& entry : m_entries) {
        out.append(char(entry.level));
        out.append(char(entry.channelNumber >> 8));
        out.append(char(entry.channelNumber & 0xFF));
    }
    return out;
}

} // namespace zyn
