#pragma once

#include "soundtrack/DecodedAudio.h"

#include <QString>
#include <QtGlobal>
#include <limits>
#include <mutex>
#include <sys/types.h>
#include <thread>
#include <vector>

namespace zyn::test {

// Records a sound server's source (the null sink's monitor) with parec, and
// keeps the sound card's clock: the monotonic time at which any recorded
// frame was played. Each block is stamped as it arrives on a thread of its
// own; a block arrives after its frames were played, so the earliest arrival
// relative to its frame count is the tightest bound on the clock.
class SinkRecorder {
public:
    SinkRecorder(QString source, int sampleRate, int channels);
    ~SinkRecorder();
    SinkRecorder(const SinkRecorder&) = delete;
    SinkRecorder& operator=(const SinkRecorder&) = delete;

    bool start();
    void stop();

    // Interleaved samples recorded so far.
    std::vector<qint16> samples() const;
    // Monotonic nanoseconds (steady_clock) at which recorded frame `frame` played.
    qint64 playedAtNs(qint64 frame) const;

    // Finds `track`, played from `firstFrame`, in the recording: its first
    // recorded frame and the track frame there. The monitor misses what the
    // sink plays while a stream joins its block (5 ms, the keeper's
    // latency), so the sound may begin up to that much after `firstFrame`.
    bool locate(const DecodedAudio& track, qint64 firstFrame);
    qint64 recordedStart() const { return m_recordedStart; }
    qint64 trackStart() const { return m_trackStart; }
    // The track frame the sink played at monotonic time `ns` (after locate()).
    qint64 trackFrameAtNs(qint64 ns) const;
    static qint64 nowNs();

private:
    void readLoop(int fd);

    QString m_source;
    int m_sampleRate;
    int m_channels;
    pid_t m_child = -1;
    std::thread m_reader;
    mutable std::mutex m_mutex;
    std::vector<qint16> m_samples;
    qint64 m_firstFrameNs = std::numeric_limits<qint64>::max();
    qint64 m_recordedStart = -1;
    qint64 m_trackStart = -1;
};

} // namespace zyn::test
