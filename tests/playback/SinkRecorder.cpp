#include "SinkRecorder.h"

#include <algorithm>
#include <chrono>
#include <csignal>
#include <cstring>
#include <fcntl.h>
#include <sys/prctl.h>
#include <sys/wait.h>
#include <unistd.h>

namespace zyn::test {

qint64 SinkRecorder::nowNs() {
    return std::chrono::duration_cast<std::chrono::nanoseconds>(
               std::chrono::steady_clock::now().time_since_epoch())
        .count();
}

SinkRecorder::SinkRecorder(QString source, int sampleRate, int channels)
    : m_source(std::move(source)), m_sampleRate(sampleRate), m_channels(channels) {}

SinkRecorder::~SinkRecorder() {
    stop();
}

bool SinkRecorder::start() {
    int pipeFds[2];
    if (::pipe(pipeFds) != 0)
        return false;
    const QByteArray device = "--device=" + m_source.toUtf8();
    const QByteArray rate = "--rate=" + QByteArray::number(m_sampleRate);
    const QByteArray channels = "--channels=" + QByteArray::number(m_channels);
    m_child = ::fork();
    if (m_child < 0)
        return false;
    if (m_child == 0) {
        ::prctl(PR_SET_PDEATHSIG, SIGTERM);
        ::dup2(pipeFds[1], STDOUT_FILENO);
        ::close(pipeFds[0]);
        ::close(pipeFds[1]);
        ::execlp("parec", "parec", device.constData(), rate.constData(), channels.constData(),
                 "--format=s16le", "--raw", "--latency-msec=2", static_cast<char*>(nullptr));
        ::_exit(127);
    }
    ::close(pipeFds[1]);
    m_reader = std::thread([this, fd = pipeFds[0]] { readLoop(fd); });
    return true;
}

void SinkRecorder::readLoop(int fd) {
    std::vector<char> block(4096);
    std::vector<char> pending; // an odd byte or a part frame waits for the rest
    const size_t frameBytes = size_t(m_channels) * sizeof(qint16);
    for (;;) {
        const ssize_t got = ::read(fd, block.data(), block.size());
        const qint64 arrival = nowNs();
        if (got <= 0)
            break;
        pending.insert(pending.end(), block.begin(), block.begin() + got);
        const size_t whole = pending.size() / frameBytes * frameBytes;
        std::lock_guard lock(m_mutex);
        const size_t before = m_samples.size();
        m_samples.resize(before + whole / sizeof(qint16));
        std::memcpy(m_samples.data() + before, pending.data(), whole);
        pending.erase(pending.begin(), pending.begin() + qsizetype(whole));
        const qint64 frames = qint64(m_samples.size()) / m_channels;
        const qint64 firstNs = arrival - frames * 1000000000LL / m_sampleRate;
        m_firstFrameNs = std::min(m_firstFrameNs, firstNs);
    }
    ::close(fd);
}

void SinkRecorder::stop() {
    if (m_child > 0) {
        ::kill(m_child, SIGTERM);
        ::waitpid(m_child, nullptr, 0);
        m_child = -1;
    }
    if (m_reader.joinable())
        m_reader.join();
}

std::vector<qint16> SinkRecorder::samples() const {
    std::lock_guard lock(m_mutex);
    return m_samples;
}

qint64 SinkRecorder::playedAtNs(qint64 frame) const {
    std::lock_guard lock(m_mutex);
    return m_firstFrameNs + frame * 1000000000LL / m_sampleRate;
}

bool SinkRecorder::locate(const DecodedAudio& track, qint64 firstFrame) {
    const std::vector<qint16> recording = samples();
    // Before the track the null sink plays zeros; no frame of the track is silent.
    const auto sound =
        std::find_if(recording.begin(), recording.end(), [](qint16 sample) { return sample != 0; });
    constexpr qint64 Compared = 8;
    m_recordedStart = (sound - recording.begin()) / m_channels;
    if (m_recordedStart + Compared > qint64(recording.size()) / m_channels)
        return false;
    const auto recorded = recording.begin() + m_recordedStart * m_channels;
    const qint64 slack = m_sampleRate / 200;
    for (qint64 frame = firstFrame; frame <= firstFrame + slack; ++frame) {
        if (frame + Compared > track.frames())
            break;
        if (std::equal(recorded, recorded + Compared * m_channels,
                       track.samples.begin() + frame * m_channels)) {
            m_trackStart = frame;
            return true;
        }
    }
    return false;
}

qint64 SinkRecorder::trackFrameAtNs(qint64 ns) const {
    return m_trackStart + (ns - playedAtNs(m_recordedStart)) * m_sampleRate / 1000000000LL;
}

} // namespace zyn::test
