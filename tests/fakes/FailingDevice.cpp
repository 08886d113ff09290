#include "FailingDevice.h"

#include <algorithm>

namespace zyn::test {

qint64 FailingDevice::writeData(const char* data, qint64 length) {
    const qint64 room = m_capacity - m_written.size();
    if (room <= 0) {
        setErrorString(QStringLiteral("No space left on device"));
        return -1;
    }
    const qint64 taken = std::min(room, length);
    m_written.append(data, taken);
    return taken;
}

} // namespace zyn::test
