#include "ControllerEmulator.h"

#include <cerrno>
#include <climits>
#include <cstdlib>
#include <cstring>
#include <fcntl.h>
#include <poll.h>
#include <sys/prctl.h>
#include <termios.h>
#include <unistd.h>
#include <vector>

namespace zyn::test {

namespace {

const QByteArray ReadRequest("\xB1\x09\xBA", 3);
constexpr int TimeUnits = 3210;   // header unit and time entries, zero entries
constexpr int RecordUnits = 3210; // cue and key records
constexpr int AcknowledgedUnits = TimeUnits + RecordUnits;

using Clock = std::chrono::steady_clock;

// A paced reply is waited for with the system's timer until this long before
// it is due, and spun from there: timers wake tens of microseconds late, and
// more so in a virtual machine, which would hold every reply past its moment.
constexpr auto SpinMargin = std::chrono::microseconds(150);
constexpr int CrossingRounds = 200;
constexpr int CrossingTimeoutMs = 1000;
const auto ByteTime = std::chrono::duration_cast<Clock::duration>(
    std::chrono::duration<double>(ControllerEmulator::ByteSeconds));

QByteArray replyBytes(int count) {
    QByteArray bytes;
    for (int i = 0; i < count; ++i)
        bytes.append(char(i));
    return bytes;
}

bool awaitReadable(int fd) {
    pollfd ready{fd, POLLIN, 0};
    return ::poll(&ready, 1, CrossingTimeoutMs) == 1 && (ready.revents & POLLIN);
}

void writeAll(int fd, const QByteArray& bytes) {
    qsizetype done = 0;
    while (done < bytes.size()) {
        const ssize_t n = ::write(fd, bytes.constData() + done, size_t(bytes.size() - done));
        if (n < 0 && errno == EINTR)
            continue;
        if (n <= 0)
            return;
        done += n;
    }
}

} // namespace

ControllerEmulator::ControllerEmulator() : ControllerEmulator(Behaviour()) {}

ControllerEmulator::ControllerEmulator(Behaviour behaviour) : m_behaviour(behaviour) {
    const int master = ::posix_openpt(O_RDWR | O_NOCTTY);
    char name[PATH_MAX] = {};
    if (master < 0 || ::grantpt(master) != 0 || ::unlockpt(master) != 0 ||
        ::ptsname_r(master, name, sizeof name) != 0) {
        m_error = QStringLiteral("no pseudo-terminal: ") + QString::fromLocal8Bit(strerror(errno));
        if (master >= 0)
            ::close(master);
        return;
    }
    m_slave = ::open(name, O_RDWR | O_NOCTTY);
    termios raw{};
    bool ok = m_slave >= 0 && ::tcgetattr(m_slave, &raw) == 0;
    if (ok) {
        ::cfmakeraw(&raw);
        ok = ::tcsetattr(m_slave, TCSANOW, &raw) == 0 && ::pipe(m_wake) == 0;
    }
    if (!ok) {
        m_error = QStringLiteral("cannot set up %1: %2")
                      .arg(QString::fromLocal8Bit(name), QString::fromLocal8Bit(strerror(errno)));
        ::close(master);
        return;
    }
    m_master = master;
    m_devicePath = QString::fromLocal8Bit(name);
    if (m_behaviour.lineTiming)
        measureCrossing();
    m_thread = std::thread([this] { run(); });
}

ControllerEmulator::~ControllerEmulator() {
    if (m_thread.joinable()) {
        const char stop = 0;
        (void)!::write(m_wake[1], &stop, 1);
        m_thread.join();
    }
    for (const int fd : {m_master, m_slave, m_wake[0], m_wake[1]}) {
        if (fd >= 0)
            ::close(fd);
    }
}

QByteArray ControllerEmulator::received() const {
    std::lock_guard lock(m_mutex);
    return m_received;
}

// The pty's fastest crossing each way, before the program can open it: a
// helper thread answers on the master each byte this thread writes on the
// slave, as the emulator answers the program. The sum of the two minima is no
// more than the crossings of any one exchange. A crossing stands inside a
// byte's own time on the line, so no more than that is ever counted.
void ControllerEmulator::measureCrossing() {
    std::vector<Clock::time_point> sent(CrossingRounds), echoed(CrossingRounds),
        returned(CrossingRounds);
    std::thread echo([&] {
        char byte = 0;
        for (int i = 0; i < CrossingRounds && awaitReadable(m_master); ++i) {
            if (::read(m_master, &byte, 1) != 1)
                return;
            echoed[i] = Clock::now();
            if (::write(m_master, &byte, 1) != 1)
                return;
        }
    });
    int rounds = 0;
    for (char byte = 0; rounds < CrossingRounds; ++rounds) {
        sent[rounds] = Clock::now();
        if (::write(m_slave, &byte, 1) != 1 || !awaitReadable(m_slave) ||
            ::read(m_slave, &byte, 1) != 1)
            break;
        returned[rounds] = Clock::now();
    }
    echo.join();
    if (rounds < CrossingRounds)
        return; // the pty misbehaves: nothing is counted inside the line time
    auto there = Clock::duration::max();
    auto back = Clock::duration::max();
    for (int i = 0; i < rounds; ++i) {
        there = std::min(there, echoed[i] - sent[i]);
        back = std::min(back, returned[i] - echoed[i]);
    }
    m_crossing =
        std::chrono::duration_cast<std::chrono::nanoseconds>(std::min(there + back, ByteTime));
}

void ControllerEmulator::run() {
    // A held reply is spun for only the last stretch; the timer must not add
    // its default slack of 50 µs before that.
    ::prctl(PR_SET_TIMERSLACK, 1UL, 0, 0, 0);
    for (;;) {
        if (m_pending.isEmpty()) {
            if (!waitForInput(std::nullopt))
                return;
            continue;
        }
        const Clock::time_point wakeAt = m_due - SpinMargin;
        if (Clock::now() < wakeAt) {
            if (!waitForInput(wakeAt))
                return;
            continue;
        }
        spinUntil(m_due);
        sendDue();
    }
}

// Waits for bytes from the program, at most until the given moment, and takes
// them; false when the emulator is to stop.
bool ControllerEmulator::waitForInput(std::optional<Clock::time_point> until) {
    timespec wait{};
    timespec* timeout = nullptr;
    if (until) {
        const auto left = std::max(*until - Clock::now(), Clock::duration::zero());
        const auto ns = std::chrono::duration_cast<std::chrono::nanoseconds>(left).count();
        wait.tv_sec = time_t(ns / 1000000000);
        wait.tv_nsec = long(ns % 1000000000);
        timeout = &wait;
    }
    pollfd fds[2] = {{m_master, POLLIN, 0}, {m_wake[0], POLLIN, 0}};
    const int ready = ::ppoll(fds, 2, timeout, nullptr);
    if ((ready < 0 && errno != EINTR) || fds[1].revents != 0)
        return false;
    if (fds[0].revents & POLLIN) {
        char buffer[4096];
        const ssize_t n = ::read(m_master, buffer, sizeof buffer);
        if (n > 0)
            take(buffer, n);
    }
    return true;
}

void ControllerEmulator::spinUntil(Clock::time_point due) const {
    while (Clock::now() < due)
        std::this_thread::yield();
}

void ControllerEmulator::take(const char* data, qsizetype size) {
    {
        std::lock_guard lock(m_mutex);
        m_received.append(data, size);
    }
    for (qsizetype i = 0; i < size; ++i) {
        if (!m_exchangeOpen) {
            m_exchangeOpen = true;
            m_exchangeStart = Clock::now() - m_crossing;
            m_exchangeBytes = 0;
        }
        ++m_exchangeBytes;
        m_unit.append(data[i]);
        if (m_inTable)
            takeTableByte();
        else
            takeRequestByte();
    }
}

void ControllerEmulator::takeRequestByte() {
    if (!m_unit.endsWith(ReadRequest))
        return;
    m_unit.clear();
    switch (m_behaviour.reply) {
    case Reply::Full:
        m_inTable = true;
        reply(replyBytes(16));
        break;
    case Reply::Short:
        reply(replyBytes(15));
        break;
    case Reply::Silent:
        m_exchangeOpen = false;
        break;
    }
}

qsizetype ControllerEmulator::currentUnitSize() const {
    if (m_unitNumber == 1)
        return 8;
    if (m_unitNumber <= TimeUnits)
        return 4;
    if (m_unitNumber <= AcknowledgedUnits) {
        if (m_unit.size() < 3)
            return 3 + 3; // not known yet; at least a record without channels
        const int count = quint8(m_unit[2]);
        return 3 + 3 * qMax(1, count);
    }
    return 1; // filler bytes and the checksum
}

void ControllerEmulator::takeTableByte() {
    if (m_unit.size() < currentUnitSize())
        return;
    const int unit = m_unitNumber++;
    m_unit.clear();
    if (unit == UnitCount) {
        QByteArray final("\xC2\x00\x06\x00", 4);
        if (m_behaviour.final == Final::WrongFirstByte)
            final[0] = char(0xC4);
        else if (m_behaviour.final == Final::MissingFourthByte)
            final.chop(1);
        m_finalSent = true;
        reply(final);
        return;
    }
    if (unit > AcknowledgedUnits)
        return; // filler: no acknowledgement, the exchange goes on
    if (unit == m_behaviour.faultyUnit) {
        if (m_behaviour.unitFault == UnitFault::WrongByte)
            reply(QByteArray(1, char(0x15)));
        else
            m_exchangeOpen = false;
        return;
    }
    ++m_acknowledged;
    reply(QByteArray(1, char(0x06)));
}

void ControllerEmulator::reply(QByteArray bytes) {
    m_exchangeOpen = false;
    if (!m_behaviour.lineTiming) {
        writeAll(m_master, bytes);
        return;
    }
    const auto lineTime =
        std::chrono::duration<double>(double(m_exchangeBytes + bytes.size()) * ByteSeconds);
    // Never before the bytes it answers have arrived, which is now.
    m_due = std::max(Clock::now(),
                     m_exchangeStart + std::chrono::duration_cast<Clock::duration>(lineTime));
    m_pending = std::move(bytes);
}

void ControllerEmulator::sendDue() {
    writeAll(m_master, m_pending);
    m_pending.clear();
}

} // namespace zyn::test
