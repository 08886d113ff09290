#include "ByteCursor.h"

namespace zyn {

bool ByteCursor::cutShort(qsizetype count, const QString& what) {
    return fail(m_offset, QStringLiteral("expected %1 (%2 bytes), the data ends after %3 bytes")
                              .arg(what)
                              .arg(count)
                              .arg(m_bytes.size()));
}

bool ByteCursor::fail(qsizetype at, const QString& expected) {
    m_error = {at, expected};
    return false;
}

QString ByteCursor::hex(QByteArrayView bytes) {
    return QString::fromLatin1(bytes.toByteArray().toHex(' ').toUpper());
}

} // namespace zyn
