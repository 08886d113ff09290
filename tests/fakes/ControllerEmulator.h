#pragma once

#include <QByteArray>
#include <QString>
#include <atomic>
#include <chrono>
#include <mutex>
#include <thread>

namespace zyn::test {

// A firing controller at the far end of a pseudo-terminal: the program opens
// devicePath() like a serial port. A thread of its own answers the read
// request, reads the table unit by unit (it knows the units' sizes as a real
// controller does), acknowledges each one, sends the final acknowledgement
// after the checksum, and records every byte it received. On request it
// misbehaves, or holds each reply for as long as the bytes of the exchange
// would take on a 115200 baud 8N2 line.
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
        // Each reply leaves only when the bytes of its exchange, counted from
        // the first one read, would have crossed the line.
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
    QString error() const { return m_error; }
    QString devicePath() const { return m_devicePath; }

    // Everything the program sent, request included.
    QByteArray received() const;
    int unitsAcknowledged() const { return m_acknowledged; }
    bool finalSent() const { return m_finalSent; }

private:
    using Clock = std::chrono::steady_clock;

    void run();
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
    std::thread m_thread;

    mutable std::mutex m_mutex;
    QByteArray m_received; // guarded by m_mutex

    // Owned by the thread.
    bool m_inTable = false;
    QByteArray m_unit; // bytes of the unit being read
    int m_unitNumber = 1;
    QByteArray m_pending; // reply held back for the line time
    Clock::time_point m_exchangeStart;
    Clock::time_point m_due;
    qsizetype m_exchangeBytes = 0; // received since the last reply
    bool m_exchangeOpen = false;

    std::atomic<int> m_acknowledged{0};
    std::atomic<bool> m_finalSent{false};
};

} // namespace zyn::test
