#include "PcmStreamWriter.h"

#include <cerrno>
#include <unistd.h>

namespace zyn {

namespace {

// Enough to fill the pipe in few writes without holding much.
constexpr size_t FlushBytes = 256 * 1024;

} // namespace

template<typename T> void PcmStreamWriter::put(T value) {
    m_buffer.append(reinterpret_cast<const char*>(&value), sizeof value);
}

bool PcmStreamWriter::header(int sampleRate, int channels, qint64 expectedFrames) {
    put(char(PcmStream::Header));
    put(qint32(sampleRate));
    put(qint32(channels));
    put(qint64(expectedFrames));
    return flush(FlushBytes);
}

bool PcmStreamWriter::samples(const qint16* data, quint32 count) {
    put(char(PcmStream::Samples));
    put(count);
    m_buffer.append(reinterpret_cast<const char*>(data), count * sizeof(qint16));
    return flush(FlushBytes);
}

bool PcmStreamWriter::end(qint64 frames) {
    put(char(PcmStream::End));
    put(frames);
    return flush();
}

bool PcmStreamWriter::fail(PcmStream::Failure failure) {
    put(char(PcmStream::Fail));
    put(quint8(failure));
    return flush();
}

bool PcmStreamWriter::flush(size_t above) {
    if (m_buffer.size() <= above)
        return true;
    size_t written = 0;
    while (written < m_buffer.size()) {
        const ssize_t done = ::write(m_fd, m_buffer.data() + written, m_buffer.size() - written);
        if (done < 0 && errno == EINTR)
            continue;
        if (done <= 0)
            return false;
        written += size_t(done);
    }
    m_buffer.clear();
    return true;
}

} // namespace zyn
