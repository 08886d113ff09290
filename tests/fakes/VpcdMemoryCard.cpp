#include "VpcdMemoryCard.h"

#include <arpa/inet.h>
#include <cerrno>
#include <chrono>
#include <cstring>
#include <netinet/in.h>
#include <netinet/tcp.h>
#include <sys/socket.h>
#include <unistd.h>

namespace zyn::test {

namespace {

constexpr char PowerOff = 0x00;
constexpr char PowerOn = 0x01;
constexpr char Reset = 0x02;
constexpr char AnswerToReset = 0x04;

const QByteArray Ok("\x90\x00", 2);
const QByteArray OutOfRange("\x6B\x00", 2);
const QByteArray MemoryFailure("\x65\x81", 2);
const QByteArray PinNeeded("\x69\x82", 2);
const QByteArray WrongPin("\x63\xC2", 2);
const QByteArray WrongLength("\x67\x00", 2);
const QByteArray UnknownClass("\x6E\x00", 2);
const QByteArray UnknownInstruction("\x6D\x00", 2);

// The driver writes a message's length and its bytes separately; with its
// small-segment delay waiting for our acknowledgement and ours waiting for
// more data, every exchange would stall for the acknowledgement timer.
// Acknowledging at once after each read keeps the exchange at loopback speed.
bool readAll(int socket, char* buffer, size_t size) {
    size_t done = 0;
    while (done < size) {
        const ssize_t got = ::recv(socket, buffer + done, size - done, 0);
        if (got <= 0)
            return false;
        done += size_t(got);
        const int on = 1;
        ::setsockopt(socket, IPPROTO_TCP, TCP_QUICKACK, &on, sizeof on);
    }
    return true;
}

bool sendMessage(int socket, const QByteArray& payload) {
    QByteArray message;
    message.append(char(payload.size() >> 8));
    message.append(char(payload.size() & 0xFF));
    message.append(payload);
    size_t done = 0;
    while (done < size_t(message.size())) {
        const ssize_t sent =
            ::send(socket, message.constData() + done, size_t(message.size()) - done, MSG_NOSIGNAL);
        if (sent <= 0)
            return false;
        done += size_t(sent);
    }
    return true;
}

int address(const QByteArray& apdu) {
    return (quint8(apdu[2]) << 8) | quint8(apdu[3]);
}

// Asks until the reader shows the wanted status or the time is up; pcscd
// polls the virtual reader every 400 ms, so a short interval only costs
// requests the service answers from memory.
bool awaitStatus(const VpcdMemoryCard::ReaderStatus& status, const QString& wanted, int timeoutMs,
                 QString* error) {
    using Clock = std::chrono::steady_clock;
    const auto deadline = Clock::now() + std::chrono::milliseconds(timeoutMs);
    QString last = status();
    while (last != wanted) {
        if (Clock::now() >= deadline) {
            *error = QStringLiteral("the reader shows \"%1\", not \"%2\", after %3 ms")
                         .arg(last, wanted)
                         .arg(timeoutMs);
            return false;
        }
        std::this_thread::sleep_for(std::chrono::milliseconds(20));
        last = status();
    }
    return true;
}

} // namespace

VpcdMemoryCard::VpcdMemoryCard(int size) : m_memory(size, char(0xFF)) {}

VpcdMemoryCard::~VpcdMemoryCard() {
    remove();
}

QByteArray VpcdMemoryCard::answerToReset() {
    // 3B 8F 80 01, historical bytes 80 4F 0C A0 00 00 03 06 (PC/SC storage
    // card), standard 00, card name 00 00, four RFU bytes, then TCK.
    QByteArray atr = QByteArray::fromHex("3B8F8001804F0CA0000003060000000000000000");
    char check = 0;
    for (qsizetype i = 1; i < atr.size(); ++i)
        check = char(check ^ atr[i]);
    atr.append(check);
    return atr;
}

bool VpcdMemoryCard::insert(const ReaderStatus& status, QString* error, int timeoutMs,
                            quint16 port) {
    remove();
    return awaitStatus(status, QStringLiteral("absent"), timeoutMs, error) &&
           connectToReader(port, error) &&
           awaitStatus(status, QStringLiteral("active"), timeoutMs, error);
}

bool VpcdMemoryCard::connectToReader(quint16 port, QString* error) {
    const int socket = ::socket(AF_INET, SOCK_STREAM, 0);
    sockaddr_in peer{};
    peer.sin_family = AF_INET;
    peer.sin_port = htons(port);
    peer.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    if (::connect(socket, reinterpret_cast<sockaddr*>(&peer), sizeof peer) != 0) {
        *error = QStringLiteral("nothing listens on port %1: %2")
                     .arg(port)
                     .arg(QString::fromLocal8Bit(std::strerror(errno)));
        ::close(socket);
        return false;
    }
    const int on = 1;
    ::setsockopt(socket, IPPROTO_TCP, TCP_NODELAY, &on, sizeof on);
    m_socket = socket;
    m_thread = std::thread([this] { serve(); });
    return true;
}

void VpcdMemoryCard::remove() {
    if (m_socket < 0)
        return;
    ::shutdown(m_socket, SHUT_RDWR);
    if (m_thread.joinable())
        m_thread.join();
    ::close(m_socket);
    m_socket = -1;
}

void VpcdMemoryCard::serve() {
    while (true) {
        char header[2];
        if (!readAll(m_socket, header, sizeof header))
            return;
        const int size = (quint8(header[0]) << 8) | quint8(header[1]);
        QByteArray payload(size, '\0');
        if (size > 0 && !readAll(m_socket, payload.data(), size_t(size)))
            return;
        if (size == 1) {
            if (payload[0] == AnswerToReset && !sendMessage(m_socket, answerToReset()))
                return;
            if (payload[0] == PowerOff || payload[0] == PowerOn || payload[0] == Reset) {
                const std::lock_guard lock(m_mutex);
                m_pinVerified = m_pin.isEmpty();
            }
            continue;
        }
        if (!sendMessage(m_socket, answer(payload)))
            return;
    }
}

QByteArray VpcdMemoryCard::answer(const QByteArray& apdu) {
    if (apdu.size() < 4)
        return WrongLength;
    if (quint8(apdu[0]) != 0xFF)
        return UnknownClass;
    const std::lock_guard lock(m_mutex);
    switch (quint8(apdu[1])) {
    case 0xB0: {
        if (apdu.size() != 5)
            return WrongLength;
        const int length = quint8(apdu[4]) == 0 ? 256 : quint8(apdu[4]);
        return readBinary(address(apdu), length);
    }
    case 0xD6: {
        if (apdu.size() < 6 || quint8(apdu[4]) != apdu.size() - 5)
            return WrongLength;
        return updateBinary(address(apdu), apdu.mid(5));
    }
    case 0x20:
        if (apdu.size() < 6 || quint8(apdu[4]) != apdu.size() - 5)
            return WrongLength;
        return verify(apdu.mid(5));
    default:
        return UnknownInstruction;
    }
}

QByteArray VpcdMemoryCard::readBinary(int address, int length) const {
    if (address + length > m_memory.size())
        return OutOfRange;
    return m_memory.mid(address, length) + Ok;
}

QByteArray VpcdMemoryCard::updateBinary(int address, const QByteArray& data) {
    ++m_writes;
    if (!m_pinVerified)
        return PinNeeded;
    if (address + data.size() > m_memory.size())
        return OutOfRange;
    if (m_failingAddress && *m_failingAddress >= address &&
        *m_failingAddress < address + data.size())
        return MemoryFailure;
    m_memory.replace(address, data.size(), data);
    return Ok;
}

QByteArray VpcdMemoryCard::verify(const QByteArray& pin) {
    if (m_pin.isEmpty())
        return Ok; // a card without a PIN takes any
    m_pinVerified = pin == m_pin;
    return m_pinVerified ? Ok : WrongPin;
}

QByteArray VpcdMemoryCard::memory() const {
    const std::lock_guard lock(m_mutex);
    return m_memory;
}

void VpcdMemoryCard::failWritesAt(int address) {
    const std::lock_guard lock(m_mutex);
    m_failingAddress = address;
}

void VpcdMemoryCard::requirePin(const QByteArray& pin) {
    const std::lock_guard lock(m_mutex);
    m_pin = pin;
    m_pinVerified = pin.isEmpty();
}

} // namespace zyn::test
