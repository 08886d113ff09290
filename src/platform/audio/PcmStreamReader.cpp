#include "PcmStreamReader.h"

#include <algorithm>
#include <cstring>

namespace zyn {

namespace {

// A value at `offset` bytes into `bytes`; false when it is not all there yet.
template<typename T> bool valueAt(QByteArrayView bytes, qsizetype offset, T* value) {
    if (bytes.size() - offset < qsizetype(sizeof(T)))
        return false;
    std::memcpy(value, bytes.data() + offset, sizeof(T));
    return true;
}

} // namespace

bool PcmStreamReader::take(QByteArrayView piece) {
    if (m_state != State::Reading) {
        if (m_state == State::Complete && !piece.isEmpty())
            damaged(); // nothing may follow the end
        return false;
    }
    m_pending.append(piece);
    while (m_state == State::Reading && parseRecord()) {
    }
    m_pending.remove(0, m_at);
    m_at = 0;
    return m_state == State::Reading;
}

PcmStreamReader::State PcmStreamReader::finish() {
    if (m_state == State::Reading || (m_state == State::Complete && !m_pending.isEmpty()))
        damaged();
    return m_state;
}

double PcmStreamReader::fraction() const {
    if (m_state == State::Complete)
        return 1.0;
    if (m_expectedFrames <= 0)
        return 0.0;
    return std::min(1.0, double(m_audio.frames()) / double(m_expectedFrames));
}

bool PcmStreamReader::parseRecord() {
    const QByteArrayView rest = QByteArrayView(m_pending).sliced(m_at);
    char tag = 0;
    if (!valueAt(rest, 0, &tag))
        return false;
    if (tag == PcmStream::Fail)
        return parseFailure();
    if ((tag == PcmStream::Header) == m_hasHeader)
        return damaged();
    switch (tag) {
    case PcmStream::Header:
        return parseHeader();
    case PcmStream::Samples:
        return parseSamples();
    case PcmStream::End:
        return parseEnd();
    default:
        return damaged();
    }
}

bool PcmStreamReader::parseHeader() {
    const QByteArrayView rest = QByteArrayView(m_pending).sliced(m_at);
    qint32 rate = 0;
    qint32 channels = 0;
    qint64 expected = 0;
    if (!valueAt(rest, 1, &rate) || !valueAt(rest, 5, &channels) || !valueAt(rest, 9, &expected))
        return false;
    if (rate <= 0 || rate > PcmStream::MaxSampleRate || channels <= 0 ||
        channels > PcmStream::MaxChannels || expected < 0)
        return damaged();
    m_audio.sampleRate = rate;
    m_audio.channels = channels;
    m_expectedFrames = expected;
    m_hasHeader = true;
    // An honest announcement saves the copies of a growing vector; a lying
    // one costs no more than the limit.
    if (expected <= m_maxSampleBytes / (channels * qint64(sizeof(qint16))))
        m_audio.samples.reserve(size_t(expected * channels));
    m_at += 17;
    return true;
}

bool PcmStreamReader::parseSamples() {
    const QByteArrayView rest = QByteArrayView(m_pending).sliced(m_at);
    quint32 count = 0;
    if (!valueAt(rest, 1, &count))
        return false;
    if (count == 0 || count > PcmStream::MaxBlockSamples || count % quint32(m_audio.channels) != 0)
        return damaged();
    const qsizetype bytes = qsizetype(count) * qsizetype(sizeof(qint16));
    if (qint64(m_audio.samples.size() * sizeof(qint16)) + bytes > m_maxSampleBytes)
        return damaged();
    if (rest.size() < 5 + bytes)
        return false;
    const size_t had = m_audio.samples.size();
    m_audio.samples.resize(had + count);
    std::memcpy(m_audio.samples.data() + had, rest.data() + 5, size_t(bytes));
    m_at += 5 + bytes;
    return true;
}

bool PcmStreamReader::parseEnd() {
    const QByteArrayView rest = QByteArrayView(m_pending).sliced(m_at);
    qint64 frames = 0;
    if (!valueAt(rest, 1, &frames))
        return false;
    if (frames != m_audio.frames())
        return damaged();
    m_at += 9;
    m_state = State::Complete;
    return false;
}

bool PcmStreamReader::parseFailure() {
    const QByteArrayView rest = QByteArrayView(m_pending).sliced(m_at);
    quint8 failure = 0;
    if (!valueAt(rest, 1, &failure))
        return false;
    m_at += 2;
    m_audio = {};
    m_state = PcmStream::Failure(failure) == PcmStream::Failure::Unsupported ? State::Unsupported
                                                                             : State::Damaged;
    return false;
}

bool PcmStreamReader::damaged() {
    m_state = State::Damaged;
    m_audio = {};
    return false;
}

} // namespace zyn
