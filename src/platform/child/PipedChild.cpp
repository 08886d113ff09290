#include "PipedChild.h"

#include <QDeadlineTimer>
#include <algorithm>
#include <cerrno>
#include <fcntl.h>
#include <poll.h>
#include <signal.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

namespace zyn::PipedChild {

namespace {

// How often a waiting parent looks at its caller's cancel flag.
constexpr int CancelCheckMs = 100;

// Crafted sizes make a library ask for gigabytes. The child may grow by this
// much beyond the memory it started with; an allocation past it fails inside
// the child, not in the machine's memory.
constexpr rlim_t MaxChildGrowth = rlim_t(1) << 30;

// Runs in the child between fork and exit, so only with system calls: the
// data pages it inherited from /proc/self/statm (sixth field), plus the room
// to grow.
void limitChildMemory() {
    char text[256];
    const int fd = ::open("/proc/self/statm", O_RDONLY | O_CLOEXEC);
    if (fd < 0)
        return;
    const ssize_t size = ::read(fd, text, sizeof text - 1);
    ::close(fd);
    if (size <= 0)
        return;
    text[size] = '\0';
    rlim_t pages = 0;
    int field = 0;
    for (const char* at = text; *at && field < 6; ++at) {
        if (*at == ' ')
            ++field;
        else if (field == 5 && *at >= '0' && *at <= '9')
            pages = pages * 10 + rlim_t(*at - '0');
    }
    rlimit limit{};
    if (::getrlimit(RLIMIT_DATA, &limit) != 0)
        return;
    limit.rlim_cur =
        std::min(limit.rlim_max, pages * rlim_t(::sysconf(_SC_PAGESIZE)) + MaxChildGrowth);
    ::setrlimit(RLIMIT_DATA, &limit);
}

void stopChild(pid_t child) {
    ::kill(child, SIGKILL);
    while (::waitpid(child, nullptr, 0) < 0 && errno == EINTR) {
    }
}

class Collector {
public:
    Collector(const Sink& sink, const Limits& limits, const std::atomic_bool* cancel)
        : m_sink(sink), m_total(limits.totalMs),
          m_quietMs(limits.quietMs > 0 ? limits.quietMs : limits.totalMs), m_cancel(cancel) {}

    // Everything the child writes until it closes the pipe; a failure when it
    // is stopped before.
    Failure collect(int fd) {
        QDeadlineTimer quiet(m_quietMs);
        char buffer[64 * 1024];
        for (;;) {
            if (m_cancel && m_cancel->load())
                return Failure::Cancelled;
            if (m_total.hasExpired() || quiet.hasExpired())
                return Failure::TimedOut;
            pollfd ready{fd, POLLIN, 0};
            const int polled = ::poll(&ready, 1, waitMs(quiet));
            if (polled <= 0)
                continue; // a timeout or a signal: the checks above decide
            const ssize_t got = ::read(fd, buffer, sizeof buffer);
            if (got < 0 && errno == EINTR)
                continue;
            if (got <= 0)
                return Failure::None;
            if (!m_sink(QByteArrayView(buffer, got)))
                return Failure::Refused;
            quiet.setRemainingTime(m_quietMs);
        }
    }

private:
    int waitMs(const QDeadlineTimer& quiet) const {
        const qint64 left = std::min(m_total.remainingTime(), quiet.remainingTime());
        return int(m_cancel ? std::min<qint64>(left, CancelCheckMs) : left);
    }

    const Sink& m_sink;
    QDeadlineTimer m_total;
    int m_quietMs;
    const std::atomic_bool* m_cancel;
};

Outcome cannotStart() {
    return {Failure::CannotStart, qt_error_string()};
}

} // namespace

Outcome run(const Body& body, const Sink& sink, const Limits& limits,
            const std::atomic_bool* cancel) {
    int fds[2];
    if (::pipe2(fds, O_CLOEXEC) != 0)
        return cannotStart();
    const pid_t child = ::fork();
    if (child < 0) {
        const Outcome failed = cannotStart();
        ::close(fds[0]);
        ::close(fds[1]);
        return failed;
    }
    if (child == 0) {
        ::close(fds[0]);
        limitChildMemory();
        ::_exit(body(fds[1]));
    }
    ::close(fds[1]);
    const Failure collected = Collector(sink, limits, cancel).collect(fds[0]);
    ::close(fds[0]);
    if (collected != Failure::None) {
        stopChild(child);
        return {collected, {}};
    }
    int status = 0;
    while (::waitpid(child, &status, 0) < 0) {
        if (errno != EINTR)
            return {Failure::Stopped, {}};
    }
    if (!WIFEXITED(status) || WEXITSTATUS(status) != 0)
        return {Failure::Stopped, {}};
    return {};
}

} // namespace zyn::PipedChild
