#include "PcscdService.h"

#include <QThread>
#include <chrono>
#include <csignal>
#include <fcntl.h>
#include <sys/file.h>
#include <sys/wait.h>
#include <unistd.h>

namespace zyn::test {

namespace {

constexpr const char* LockPath = "/tmp/zyn-pcscd-tests.lock";
constexpr int StartTimeoutMs = 10000;
constexpr int StopTimeoutMs = 5000;

} // namespace

PcscdService::PcscdService(Probe probe) : m_probe(std::move(probe)) {
    m_lock = ::open(LockPath, O_RDWR | O_CREAT | O_CLOEXEC, 0666);
    if (m_lock < 0 || ::flock(m_lock, LOCK_EX) != 0) {
        m_why = QStringLiteral("cannot take the lock %1").arg(QLatin1String(LockPath));
        return;
    }
    m_available = m_probe() || start();
}

PcscdService::~PcscdService() {
    stop();
    if (m_lock >= 0)
        ::close(m_lock); // releases the lock
}

bool PcscdService::start() {
    const pid_t pid = ::fork();
    if (pid < 0) {
        m_why = QStringLiteral("cannot start pcscd: fork failed");
        return false;
    }
    if (pid == 0) {
        const int null = ::open("/dev/null", O_RDWR);
        ::dup2(null, STDIN_FILENO);
        ::dup2(null, STDOUT_FILENO);
        ::dup2(null, STDERR_FILENO);
        ::execlp("pcscd", "pcscd", "-f", static_cast<char*>(nullptr));
        ::execl("/usr/sbin/pcscd", "pcscd", "-f", static_cast<char*>(nullptr));
        ::_exit(127);
    }
    m_daemon = pid;
    if (waitFor([this] { return m_probe() || reaped(); }, StartTimeoutMs) && m_probe())
        return true;
    m_why = QStringLiteral("pcscd is not running and \"pcscd -f\" did not start it "
                           "(is the package pcscd installed, and may this user run it?)");
    stop();
    return false;
}

void PcscdService::stop() {
    if (m_daemon <= 0)
        return;
    if (reaped())
        return;
    ::kill(m_daemon, SIGTERM);
    if (!waitFor([this] { return reaped(); }, StopTimeoutMs)) {
        ::kill(m_daemon, SIGKILL);
        ::waitpid(m_daemon, nullptr, 0);
    }
    m_daemon = -1;
}

bool PcscdService::reaped() {
    if (m_daemon <= 0)
        return true;
    if (::waitpid(m_daemon, nullptr, WNOHANG) == 0)
        return false;
    m_daemon = -1;
    return true;
}

bool PcscdService::waitFor(const Probe& condition, int milliseconds) const {
    const auto deadline =
        std::chrono::steady_clock::now() + std::chrono::milliseconds(milliseconds);
    while (!condition()) {
        if (std::chrono::steady_clock::now() >= deadline)
            return false;
        QThread::msleep(50);
    }
    return true;
}

} // namespace zyn::test
