#include "XvfbDisplay.h"

#include <QStandardPaths>
#include <QThread>
#include <chrono>
#include <csignal>
#include <fcntl.h>
#include <poll.h>
#include <sys/prctl.h>
#include <sys/wait.h>
#include <unistd.h>

namespace zyn::test {

namespace {

constexpr int StartTimeoutMs = 15000;
constexpr int StopTimeoutMs = 5000;
// The descriptor the server writes its display number to.
constexpr int DisplayFd = 3;

} // namespace

XvfbDisplay::XvfbDisplay() {
    if (!start())
        stop();
}

XvfbDisplay::~XvfbDisplay() {
    stop();
}

bool XvfbDisplay::start() {
    if (QStandardPaths::findExecutable(QStringLiteral("Xvfb")).isEmpty()) {
        m_why = QStringLiteral("Xvfb is not installed (package xvfb)");
        return false;
    }
    int pipe[2];
    if (::pipe2(pipe, O_CLOEXEC) != 0) {
        m_why = QStringLiteral("cannot start Xvfb: no pipe");
        return false;
    }
    const pid_t parent = ::getpid();
    const pid_t pid = ::fork();
    if (pid < 0) {
        ::close(pipe[0]);
        ::close(pipe[1]);
        m_why = QStringLiteral("cannot start Xvfb: fork failed");
        return false;
    }
    if (pid == 0) {
        // The server ends with the test program, however that ends.
        ::prctl(PR_SET_PDEATHSIG, SIGTERM);
        if (::getppid() != parent)
            ::_exit(1);
        const int null = ::open("/dev/null", O_RDWR);
        ::dup2(null, STDIN_FILENO);
        ::dup2(null, STDOUT_FILENO);
        ::dup2(null, STDERR_FILENO);
        if (pipe[1] == DisplayFd)
            ::fcntl(DisplayFd, F_SETFD, 0);
        else
            ::dup2(pipe[1], DisplayFd);
        ::execlp("Xvfb", "Xvfb", "-displayfd", "3", "-nolisten", "tcp", "-screen", "0",
                 "1280x1024x24", static_cast<char*>(nullptr));
        ::_exit(127);
    }
    m_server = pid;
    ::close(pipe[1]);
    const QString number = readDisplayNumber(pipe[0]);
    ::close(pipe[0]);
    if (number.isEmpty()) {
        m_why = QStringLiteral("Xvfb did not report a display");
        return false;
    }
    m_name = u':' + number;
    return true;
}

// The digits the server writes once it accepts connections; empty when it
// ends or stays silent.
QString XvfbDisplay::readDisplayNumber(int fd) const {
    const auto deadline =
        std::chrono::steady_clock::now() + std::chrono::milliseconds(StartTimeoutMs);
    QByteArray text;
    while (!text.endsWith('\n')) {
        const auto left = std::chrono::duration_cast<std::chrono::milliseconds>(
            deadline - std::chrono::steady_clock::now());
        pollfd wait{fd, POLLIN, 0};
        if (left.count() <= 0 || ::poll(&wait, 1, static_cast<int>(left.count())) <= 0)
            return QString();
        char buffer[16];
        const ssize_t got = ::read(fd, buffer, sizeof buffer);
        if (got <= 0)
            return QString();
        text.append(buffer, got);
    }
    bool isNumber = false;
    const int number = text.trimmed().toInt(&isNumber);
    return isNumber ? QString::number(number) : QString();
}

void XvfbDisplay::stop() {
    if (m_server <= 0)
        return;
    ::kill(m_server, SIGTERM);
    const auto deadline =
        std::chrono::steady_clock::now() + std::chrono::milliseconds(StopTimeoutMs);
    while (::waitpid(m_server, nullptr, WNOHANG) == 0) {
        if (std::chrono::steady_clock::now() >= deadline) {
            ::kill(m_server, SIGKILL);
            ::waitpid(m_server, nullptr, 0);
            break;
        }
        QThread::msleep(20);
    }
    m_server = -1;
    m_name.clear();
}

} // namespace zyn::test
