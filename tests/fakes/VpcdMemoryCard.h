#pragma once

#include <QByteArray>
#include <QString>
#include <atomic>
#include <functional>
#include <mutex>
#include <optional>
#include <thread>

namespace zyn::test {

// A memory chip card in the virtual reader of pcscd's vpcd driver. The
// driver waits on a TCP port (35963 for the reader "Virtual PCD 00 00");
// connecting to it puts the card into that reader, and a thread of its own
// answers the driver: every message is a 2-byte big-endian
// length and its bytes, a 1-byte message is a control code (0 power off,
// 1 power on, 2 reset, 4 answer-to-reset wanted), anything longer a command
// APDU. The card understands the PC/SC storage-card commands READ BINARY
// (FF B0), UPDATE BINARY (FF D6) and VERIFY (FF 20) on its memory and
// refuses everything else. On request it refuses writes that touch one
// address (65 81, as worn-out memory does) or wants a PIN before any write.
class VpcdMemoryCard {
public:
    static constexpr quint16 FirstReaderPort = 35963;
    static constexpr int DefaultSize = 32768;

    explicit VpcdMemoryCard(int size = DefaultSize);
    ~VpcdMemoryCard();
    VpcdMemoryCard(const VpcdMemoryCard&) = delete;
    VpcdMemoryCard& operator=(const VpcdMemoryCard&) = delete;

    // What the service reports for the card in the virtual reader: "absent",
    // "active", ... as "Card,Info,Status" answers.
    using ReaderStatus = std::function<QString()>;

    // Puts the card into the reader, each wait bounded by timeoutMs. pcscd
    // notices that a card left only on its next poll of the reader; a card
    // put in before that is taken for the one that left, the service's state
    // says "active" at once and commands fail until that poll. So the reader
    // must first show no card, then the card goes in and the reader must show
    // it active. False with the reason otherwise.
    bool insert(const ReaderStatus& status, QString* error, int timeoutMs = 10000,
                quint16 port = FirstReaderPort);
    // Disconnects, which takes the card out of the reader; the service shows
    // the reader empty after its next poll.
    void remove();

    // The answer to reset: a storage card as PC/SC presents one.
    static QByteArray answerToReset();

    QByteArray memory() const;
    void failWritesAt(int address);
    void requirePin(const QByteArray& pin);
    int writeCommands() const { return m_writes; }

private:
    bool connectToReader(quint16 port, QString* error);
    void serve();
    QByteArray answer(const QByteArray& apdu);
    QByteArray readBinary(int address, int length) const;
    QByteArray updateBinary(int address, const QByteArray& data);
    QByteArray verify(const QByteArray& pin);

    mutable std::mutex m_mutex;
    QByteArray m_memory;
    std::optional<int> m_failingAddress;
    QByteArray m_pin;
    bool m_pinVerified = true;
    std::atomic<int> m_writes = 0;
    int m_socket = -1;
    std::thread m_thread;
};

} // namespace zyn::test
