#pragma once

#include "PcmStream.h"
#include "soundtrack/DecodedAudio.h"

#include <QByteArray>
#include <QByteArrayView>

namespace zyn {

// The parent's end of the decoding child's stream. The child runs a codec on
// an untrusted file, so its stream is untrusted too: it is taken piece by
// piece as the pipe delivers it, and anything out of order, out of range or
// beyond the size limit makes it damaged for good.
class PcmStreamReader {
public:
    enum class State { Reading, Complete, Unsupported, Damaged };

    explicit PcmStreamReader(qint64 maxSampleBytes) : m_maxSampleBytes(maxSampleBytes) {}

    // False once the stream is over or damaged: the child may be stopped.
    bool take(QByteArrayView piece);
    // Whatever came after the end record, or an end that never came, makes
    // the stream damaged.
    State finish();

    State state() const { return m_state; }
    // Frames received against the frames the header announced, 0 to 1.
    double fraction() const;
    DecodedAudio takeAudio() { return std::move(m_audio); }

private:
    // Parses one record from the front of m_pending; false when it is not
    // complete yet or the stream has ended.
    bool parseRecord();
    bool parseHeader();
    bool parseSamples();
    bool parseEnd();
    bool parseFailure();
    bool damaged();

    qint64 m_maxSampleBytes;
    State m_state = State::Reading;
    bool m_hasHeader = false;
    qint64 m_expectedFrames = 0;
    QByteArray m_pending;
    qsizetype m_at = 0;
    DecodedAudio m_audio;
};

} // namespace zyn
