#include "SampleSource.h"

#include <QTimer>
#include <algorithm>
#include <cstring>

namespace zyn {

SampleSource::SampleSource(std::shared_ptr<const DecodedAudio> audio, qint64 firstFrame,
                           QObject* parent)
    : QIODevice(parent), m_audio(std::move(audio)) {
    const qint64 frame = std::clamp<qint64>(firstFrame, 0, m_audio->frames());
    m_offset = frame * m_audio->channels * qint64(sizeof(qint16));
}

bool SampleSource::open(OpenMode mode) {
    if (!QIODevice::open(mode))
        return false;
    QTimer::singleShot(0, this, [this] { emit readyRead(); });
    return true;
}

qint64 SampleSource::totalBytes() const {
    return qint64(m_audio->samples.size()) * qint64(sizeof(qint16));
}

qint64 SampleSource::bytesAvailable() const {
    return totalBytes() - m_offset + QIODevice::bytesAvailable();
}

bool SampleSource::atEnd() const {
    return m_offset >= totalBytes();
}

qint64 SampleSource::readData(char* data, qint64 maxSize) {
    const qint64 count = std::min(maxSize, totalBytes() - m_offset);
    if (count <= 0)
        return 0;
    std::memcpy(data, reinterpret_cast<const char*>(m_audio->samples.data()) + m_offset,
                size_t(count));
    m_offset += count;
    return count;
}

qint64 SampleSource::writeData(const char*, qint64) {
    return -1;
}

} // namespace zyn
