#pragma once

#include "PcmStream.h"

#include <QtGlobal>
#include <string>

namespace zyn {

// The decoding child's end of the stream (see PcmStream.h). Writes are
// buffered; each call is false once the pipe would not take them.
class PcmStreamWriter {
public:
    explicit PcmStreamWriter(int fd) : m_fd(fd) {}

    bool header(int sampleRate, int channels, qint64 expectedFrames);
    // Whole frames, at most PcmStream::MaxBlockSamples samples.
    bool samples(const qint16* data, quint32 count);
    bool end(qint64 frames);
    bool fail(PcmStream::Failure failure);

private:
    template<typename T> void put(T value);
    bool flush(size_t above = 0);

    int m_fd;
    std::string m_buffer;
};

} // namespace zyn
