#pragma once

#include <QByteArray>
#include <QString>
#include <atomic>
#include <chrono>
#include <mutex>
#include <optional>
#include <thread>

namespace zyn::test {

// A firing controller at the far end of a pseudo-terminal: the program opens
// devicePath() like a serial port. A thread of its own answers the read
// request, reads the table unit by unit (it knows the units' sizes as a real
// controller does), acknowledges each one, sends the final acknowledgement
// after the checksum, and records every byte it received. On request it
// misbehaves, or paces its replies as a 115200 baud 8N2 line would.
//
// The paced line: an exchange (the bytes up to a reply, and the reply) takes
// its bytes' line time from the moment the program wrote the first byte, and
// the reply reaches the program no earlier than that. On a real line the
// transmission of the bytes is the delay; on the pty the bytes cross in a few
// microseconds, so that crossing is counted inside the line time, not on top
// of it. The program's write is dated from the first byte's arrival less the
// pty's fastest crossing, measured when the emulator starts; as no crossing
// is faster, no reply arrives before the line could have carried it, and the
// time a transfer takes beyond the line time is the program's and the pty's
// jitter, not the emulator's. The reply leaves at its moment, not when the
// system's timer gets round to it: the last stretch of each hold is spun.
class ControllerEmulator {
public:
    enum class Reply { Full, Silent, Short }; // 16 bytes, none, 15
    enum class UnitFault { WrongByte, NoByte };
    enum class Final { Right, WrongFirstByte, MissingFourthByte };

    struct Behaviour {
        Reply reply = Reply::Full;
        int faultyUnit = 0; // 1-based unit whose acknowledgement goes wrong; 0: none
        UnitFault unitFault = UnitFault::WrongByte;
        Final final = Final::Right;
        // Each reply arrives only when the bytes of its exchange would have
        // crossed the line.
        bool lineTiming = false;
    };

    // One byte on the line: a start bit, 8 data bits, 2 stop bits.
    static constexpr double ByteSeconds = 11.0 / 115200.0;
    static constexpr int UnitCount = 6437;

    ControllerEmulator();
    explicit ControllerEmulator(Behaviour behaviour);
    ~ControllerEmulator();
    ControllerEmulator(const ControllerEmulator&) = delete;
    ControllerEmulator& operator=(const ControllerEmulator&) = delete;

    bool isReady() const { return m_master >= 0; }
    // The pty's fastest crossing there and back, counted inside the line
    // time of each paced exchange (zero unless paced).
    std::chrono::nanoseconds ptyCrossing() const { return m_crossing; }
    QString error() const { return m_error; }
    QString devicePath() const { return m_devicePath; }

    // Everything the program sent, request included.
    QByteArray received() const;
    int unitsAcknowledged() const { return m_acknowledged; }
    bool finalSent() const { return m_finalSent; }

private:
    using Clock = std::chrono::steady_clock;

    void measureCrossing();
    void run();
    bool waitForInput(std::optional<Clock::time_point> until);
    void spinUntil(Clock::time_point due) const;
    void take(const char* data, qsizetype size);
    void takeRequestByte();
    void takeTableByte();
    qsizetype currentUnitSize() const;
    void reply(QByteArray bytes);
    void sendDue();

    Behaviour m_behaviour;
    int m_master = -1;
    int m_slave = -1; // held open so the terminal outlives the program's closes
    int m_wake[2] = {-1, -1};
    QString m_devicePath;
    QString m_error;
    std::chrono::nanoseconds m_crossing{0};
    std::thread m_thread;

    mutable std::mutex m_mutex;
    QByteArray m_received; // guarded by m_mutex

    // Owned by the thread.
    bool m_inTable = false;
    QByteArray m_unit; // bytes of the unit being read
    int m_unitNumber = 1;
    QByteArray m_pending;              // reply held back for the line time
    Clock::time_point m_exchangeStart; // the first byte's arrival less the fastest crossing
    Clock::time_point m_due;
    qsizetype m_exchangeBytes = 0; // received since the last reply
    bool m_exchangeOpen = false;

    std::atomic<int> m_acknowledged{0};
    std::atomic<bool> m_finalSent{false};
};

} // namespace zyn::test
