#include "SheetWriter.h"

#include <cerrno>
#include <unistd.h>

namespace zyn::SheetPipe {

namespace {

constexpr size_t FlushSize = 64 * 1024;

} // namespace

template<typename T> void SheetWriter::put(T value) {
    m_buffer.append(reinterpret_cast<const char*>(&value), sizeof value);
    if (m_buffer.size() >= FlushSize)
        flush();
}

void SheetWriter::putBytes(QByteArrayView bytes) {
    put(quint32(bytes.size()));
    m_buffer.append(bytes.data(), size_t(bytes.size()));
    if (m_buffer.size() >= FlushSize)
        flush();
}

void SheetWriter::begin(Sheet::Outcome outcome, QByteArrayView detail) {
    put(quint8(outcome));
    putBytes(detail);
}

void SheetWriter::cell(Tag tag, int row, int column) {
    put(tag);
    put(quint32(row));
    put(quint32(column));
}

void SheetWriter::integer(int row, int column, qint32 value) {
    cell(Integer, row, column);
    put(value);
}

void SheetWriter::number(int row, int column, double value) {
    cell(Number, row, column);
    put(value);
}

void SheetWriter::text(int row, int column, QByteArrayView utf8) {
    cell(Text, row, column);
    putBytes(utf8);
}

void SheetWriter::clockText(int row, int column, QByteArrayView utf8) {
    cell(ClockText, row, column);
    putBytes(utf8);
}

bool SheetWriter::finish() {
    put(quint8(End));
    return flush();
}

bool SheetWriter::flush() {
    const char* data = m_buffer.data();
    size_t left = m_buffer.size();
    while (m_ok && left > 0) {
        const ssize_t written = ::write(m_fd, data, left);
        if (written < 0 && errno == EINTR)
            continue;
        m_ok = written > 0;
        data += written > 0 ? written : 0;
        left -= written > 0 ? size_t(written) : 0;
    }
    m_buffer.clear();
    return m_ok;
}

} // namespace zyn::SheetPipe
