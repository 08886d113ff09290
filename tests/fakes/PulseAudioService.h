#pragma once

#include <QString>
#include <QTemporaryDir>
#include <sys/types.h>

namespace zyn::test {

// A sound server of the test program's own: PulseAudio with one null sink
// (the default output, its monitor the default input), listening on a socket
// in a temporary runtime folder. The constructor points this process's
// PULSE_SERVER and XDG_RUNTIME_DIR at it, so it must run before anything
// opens an audio device; the destructor stops that server.
//
// An idle null sink renders seconds of silence ahead, and a stream that
// starts then waits until that has passed. A recording of the monitor at a
// few milliseconds' latency, kept open for the server's whole life, holds the
// sink to short blocks as a sound card's period would.
class PulseAudioService {
public:
    static constexpr const char* SinkName = "zyn_null";
    static constexpr int SampleRate = 48000;
    static constexpr int Channels = 2;

    PulseAudioService();
    ~PulseAudioService();
    PulseAudioService(const PulseAudioService&) = delete;
    PulseAudioService& operator=(const PulseAudioService&) = delete;

    bool available() const { return m_available; }
    const QString& why() const { return m_why; }
    // The sink's monitor, for recording what was played.
    static QString monitor() { return QLatin1String(SinkName) + QStringLiteral(".monitor"); }

private:
    bool answers() const;
    bool start();
    void stop();
    bool reaped();
    bool startKeeper();
    bool sinkIsQuick() const;

    QTemporaryDir m_runtime;
    QString m_socket;
    pid_t m_daemon = -1;
    pid_t m_keeper = -1;
    bool m_available = false;
    QString m_why;
};

} // namespace zyn::test
