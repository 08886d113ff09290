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

namespace zyn::test {

namespace {

const QByteArray ReadRequest("\xB1\x09\xBA", 3);
constexpr int TimeUnits = 3210;   // header unit and time entries, zero entries
constexpr int RecordUnits = 3210; // cue and key records
constexpr int AcknowledgedUnits = TimeUnits + RecordUnits;

QByteArray replyBytes(int count) {
    QByteArray bytes;
    for (int i = 0; i < count; ++i)
        bytes.append(char(i));
    return bytes;
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

void ControllerEmulator::run() {
    // Replies held for the line time must leave when due, not up to 50 µs late.
    ::prctl(PR_SET_TIMERSLACK, 1UL, 0, 0, 0);
    char buffer[4096];
    for (;;) {
        timespec wait{};
        timespec* timeout = nullptr;
        if (!m_pending.isEmpty()) {
            const auto left = m_due - Clock::now();
            if (left <= Clock::duration::zero()) {
                sendDue();
                continue;
            }
            const auto ns = std::chrono::duration_cast<std::chrono::nanoseconds>(left).count();
            wait.tv_sec = time_t(ns / 1000000000);
            wait.tv_nsec = long(ns % 1000000000);
            timeout = &wait;
        }
        pollfd fds[2] = {{m_master, POLLIN, 0}, {m_wake[0], POLLIN, 0}};
        const int ready = ::ppoll(fds, 2, timeout, nullptr);
        if (ready < 0 && errno != EINTR)
            return;
        if (fds[1].revents != 0)
            return;
        if (fds[0].revents & POLLIN) {
            const ssize_t n = ::read(m_master, buffer, sizeof buffer);
            if (n > 0)
                take(buffer, n);
        }
    }
}

void ControllerEmulator::take(const char* data, qsizetype size) {
    {
        std::lock_guard lock(m_mutex);
        m_received.append(data, size);
    }
    for (qsizetype i = 0; i < size; ++i) {
        if (!m_exchangeOpen) {
            m_exchangeOpen = true;
            m_exchangeStart = Clock::now();
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
    m_due = m_exchangeStart + std::chrono::duration_cast<Clock::duration>(lineTime);
    m_pending = std::move(bytes);
}

void ControllerEmulator::sendDue() {
    writeAll(m_master, m_pending);
    m_pending.clear();
}

} // namespace zyn::test
