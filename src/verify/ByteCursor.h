#pragma once

#include "PlanReading.h"

#include <QByteArrayView>

namespace zyn {

// Reads a medium front to back and names the first place where the bytes
// stop making sense. Every read checks the length first, so damaged input
// ends in a DecodeError, never in a read past the end.
class ByteCursor {
public:
    explicit ByteCursor(QByteArrayView bytes) : m_bytes(bytes) {}

    qsizetype offset() const { return m_offset; }
    qsizetype remaining() const { return m_bytes.size() - m_offset; }
    QByteArrayView all() const { return m_bytes; }

    // The next `count` bytes, or a DecodeError naming what() when they are
    // not all there. The name is only made for the error: a whole table
    // takes thousands of pieces.
    template<typename What> bool take(qsizetype count, const What& what, QByteArrayView* out) {
        if (remaining() < count)
            return cutShort(count, what());
        *out = m_bytes.sliced(m_offset, count);
        m_offset += count;
        return true;
    }
    quint8 byte(qsizetype at) const { return quint8(m_bytes[at]); }
    quint16 bigEndian16(qsizetype at) const { return quint16((byte(at) << 8) | byte(at + 1)); }

    // Records the error at `at`; always false, so callers can return it.
    bool fail(qsizetype at, const QString& expected);
    const DecodeError& error() const { return m_error; }

    // "B1 06 8A 0C"
    static QString hex(QByteArrayView bytes);

private:
    bool cutShort(qsizetype count, const QString& what);

    QByteArrayView m_bytes;
    qsizetype m_offset = 0;
    DecodeError m_error;
};

} // namespace zyn
