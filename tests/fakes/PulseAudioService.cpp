#include "PulseAudioService.h"

#include <QDeadlineTimer>
#include <QProcess>
#include <QRegularExpression>
#include <QThread>
#include <csignal>
#include <fcntl.h>
#include <sys/prctl.h>
#include <sys/wait.h>
#include <unistd.h>

namespace zyn::test {

namespace {

// In a forked child: it ends with the test program, even one that crashed,
// and says nothing on the test's terminal.
void becomeQuietChild() {
    ::prctl(PR_SET_PDEATHSIG, SIGTERM);
    const int null = ::open("/dev/null", O_RDWR);
    ::dup2(null, STDIN_FILENO);
    ::dup2(null, STDOUT_FILENO);
    ::dup2(null, STDERR_FILENO);
}

constexpr int StartTimeoutMs = 10000;
constexpr int StopTimeoutMs = 5000;

} // namespace

PulseAudioService::PulseAudioService() {
    if (!m_runtime.isValid()) {
        m_why = QStringLiteral("cannot create a runtime folder for the sound server");
        return;
    }
    m_socket = m_runtime.filePath(QStringLiteral("native"));
    qputenv("XDG_RUNTIME_DIR", m_runtime.path().toUtf8());
    qputenv("PULSE_SERVER", ("unix:" + m_socket).toUtf8());
    // No cookie is needed by the anonymous socket, and none is written to the user's home.
    qputenv("PULSE_COOKIE", m_runtime.filePath(QStringLiteral("cookie")).toUtf8());
    m_available = start();
}

PulseAudioService::~PulseAudioService() {
    stop();
}

bool PulseAudioService::answers() const {
    QProcess pactl;
    pactl.start(QStringLiteral("pactl"), {QStringLiteral("info")});
    return pactl.waitForFinished(3000) && pactl.exitStatus() == QProcess::NormalExit &&
           pactl.exitCode() == 0;
}

bool PulseAudioService::start() {
    const QByteArray sink = QByteArray("module-null-sink sink_name=") + SinkName +
                            " rate=" + QByteArray::number(SampleRate) +
                            " channels=" + QByteArray::number(Channels);
    const QByteArray socket =
        "module-native-protocol-unix auth-anonymous=1 socket=" + m_socket.toUtf8();
    const QByteArray home = m_runtime.path().toUtf8();
    const pid_t pid = ::fork();
    if (pid < 0) {
        m_why = QStringLiteral("cannot start pulseaudio: fork failed");
        return false;
    }
    if (pid == 0) {
        becomeQuietChild();
        ::setenv("HOME", home.constData(), 1);
        ::execlp("pulseaudio", "pulseaudio", "--daemonize=no", "--exit-idle-time=-1", "-n",
                 "--use-pid-file=no", "--disallow-exit", ("--load=" + sink).constData(),
                 ("--load=" + socket).constData(), static_cast<char*>(nullptr));
        ::_exit(127);
    }
    m_daemon = pid;
    const QDeadlineTimer deadline(StartTimeoutMs);
    while (!deadline.hasExpired() && !reaped()) {
        if (answers())
            return startKeeper();
        QThread::msleep(50);
    }
    m_why = QStringLiteral("no sound server answers and \"pulseaudio\" did not start one "
                           "(are the packages pulseaudio and pulseaudio-utils installed?)");
    stop();
    return false;
}

bool PulseAudioService::startKeeper() {
    const QByteArray device = "--device=" + monitor().toUtf8();
    m_keeper = ::fork();
    if (m_keeper == 0) {
        becomeQuietChild();
        ::execlp("parec", "parec", device.constData(), "--raw", "--latency-msec=5",
                 static_cast<char*>(nullptr));
        ::_exit(127);
    }
    const QDeadlineTimer deadline(StartTimeoutMs);
    while (!deadline.hasExpired()) {
        if (sinkIsQuick())
            return true;
        QThread::msleep(50);
    }
    m_why = QStringLiteral("the null sink of the sound server keeps a long latency "
                           "(is parec of the package pulseaudio-utils installed?)");
    stop();
    return false;
}

// Whether the sink plays what it is given within a few milliseconds.
bool PulseAudioService::sinkIsQuick() const {
    QProcess pactl;
    pactl.start(QStringLiteral("pactl"), {QStringLiteral("list"), QStringLiteral("sinks")});
    if (!pactl.waitForFinished(3000))
        return false;
    static const QRegularExpression latency(QStringLiteral("\\bLatency: (\\d+) usec"));
    const QRegularExpressionMatch match =
        latency.match(QString::fromUtf8(pactl.readAllStandardOutput()));
    return match.hasMatch() && match.captured(1).toLongLong() < 20000;
}

void PulseAudioService::stop() {
    if (m_keeper > 0) {
        ::kill(m_keeper, SIGTERM);
        ::waitpid(m_keeper, nullptr, 0);
        m_keeper = -1;
    }
    if (m_daemon <= 0 || reaped())
        return;
    ::kill(m_daemon, SIGTERM);
    const QDeadlineTimer deadline(StopTimeoutMs);
    while (!reaped()) {
        if (deadline.hasExpired()) {
            ::kill(m_daemon, SIGKILL);
            ::waitpid(m_daemon, nullptr, 0);
            m_daemon = -1;
            return;
        }
        QThread::msleep(20);
    }
}

bool PulseAudioService::reaped() {
    if (m_daemon <= 0)
        return true;
    if (::waitpid(m_daemon, nullptr, WNOHANG) == 0)
        return false;
    m_daemon = -1;
    return true;
}

} // namespace zyn::test
