#include "VncClient.h"

#include <QCryptographicHash>
#include <QElapsedTimer>
#include <QProcess>
#include <QThread>
#include <arpa/inet.h>
#include <cstring>
#include <netinet/in.h>
#include <sys/socket.h>
#include <unistd.h>

namespace zyn::test {

namespace {

quint16 bigEndian16(const quint8* bytes) {
    return quint16(bytes[0] << 8 | bytes[1]);
}

} // namespace

VncClient::~VncClient() {
    if (m_socket >= 0)
        ::close(m_socket);
}

bool VncClient::connect(quint16 port, const QProcess& program) {
    QElapsedTimer clock;
    clock.start();
    while (!connectOnce(port)) {
        if (program.state() != QProcess::Running || clock.elapsed() > StepTimeoutMs)
            return false;
        QThread::msleep(50);
    }
    return handshake();
}

void VncClient::press(quint32 key, quint32 modifier) {
    if (modifier)
        keyEvent(modifier, true);
    keyEvent(key, true);
    keyEvent(key, false);
    if (modifier)
        keyEvent(modifier, false);
    QThread::msleep(30);
}

void VncClient::type(const char* text) {
    for (const char* c = text; *c; ++c)
        press(quint8(*c));
}

QByteArray VncClient::screen() {
    // A full (not incremental) update of the whole screen, in raw pixels.
    const quint8 request[10] = {3,
                                0,
                                0,
                                0,
                                0,
                                0,
                                quint8(m_width >> 8),
                                quint8(m_width),
                                quint8(m_height >> 8),
                                quint8(m_height)};
    quint8 header[4];
    if (!send(request, sizeof(request)) || !receive(header, sizeof(header)) || header[0] != 0)
        return {};
    QCryptographicHash hash(QCryptographicHash::Md5);
    for (int rects = bigEndian16(header + 2); rects > 0; --rects) {
        quint8 rect[12];
        if (!receive(rect, sizeof(rect)))
            return {};
        QByteArray pixels(qsizetype(bigEndian16(rect + 4)) * bigEndian16(rect + 6) * 4,
                          Qt::Uninitialized);
        if (!receive(pixels.data(), size_t(pixels.size())))
            return {};
        hash.addData(pixels);
    }
    return hash.result();
}

QByteArray VncClient::settled(const QByteArray& before) {
    QElapsedTimer clock;
    clock.start();
    QByteArray last;
    int still = 0;
    while (clock.elapsed() < StepTimeoutMs) {
        const QByteArray now = screen();
        if (now.isEmpty())
            return {};
        still = now == last ? still + 1 : 0;
        last = now;
        if (now != before && still >= 3)
            return now;
        QThread::msleep(50);
    }
    return {};
}

QByteArray VncClient::blankScreen() const {
    return QCryptographicHash::hash(QByteArray(qsizetype(m_width) * m_height * 4, '\0'),
                                    QCryptographicHash::Md5);
}

quint16 VncClient::freePort() {
    const int probe = ::socket(AF_INET, SOCK_STREAM, 0);
    sockaddr_in address{};
    address.sin_family = AF_INET;
    address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    socklen_t length = sizeof(address);
    ::bind(probe, reinterpret_cast<sockaddr*>(&address), sizeof(address));
    ::getsockname(probe, reinterpret_cast<sockaddr*>(&address), &length);
    ::close(probe);
    return ntohs(address.sin_port);
}

bool VncClient::connectOnce(quint16 port) {
    if (m_socket >= 0)
        ::close(m_socket);
    m_socket = ::socket(AF_INET, SOCK_STREAM, 0);
    const timeval timeout{StepTimeoutMs / 1000, 0};
    ::setsockopt(m_socket, SOL_SOCKET, SO_RCVTIMEO, &timeout, sizeof(timeout));
    sockaddr_in server{};
    server.sin_family = AF_INET;
    server.sin_port = htons(port);
    server.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    return ::connect(m_socket, reinterpret_cast<sockaddr*>(&server), sizeof(server)) == 0;
}

bool VncClient::handshake() {
    char version[12];
    quint8 security[4];
    quint8 init[24];
    if (!receive(version, sizeof(version)) || std::memcmp(version, "RFB 003.", 8) != 0 ||
        !send("RFB 003.003\n", 12) || !receive(security, sizeof(security)) || security[3] != 1 ||
        !send("\1", 1) || !receive(init, sizeof(init)))
        return false;
    QByteArray name(qsizetype(init[20]) << 24 | init[21] << 16 | init[22] << 8 | init[23],
                    Qt::Uninitialized);
    if (!receive(name.data(), size_t(name.size())))
        return false;
    // 32-bit true colour as the screen holds it, and raw pixels: the server
    // knows neither until the client names them.
    const quint8 format[20] = {0, 0, 0, 0, 32, 24, 0, 1, 0, 255, 0, 255, 0, 255, 16, 8, 0};
    const quint8 encodings[8] = {2, 0, 0, 1, 0, 0, 0, 0};
    return send(format, sizeof(format)) && send(encodings, sizeof(encodings));
}

void VncClient::keyEvent(quint32 key, bool down) {
    const quint8 event[8] = {
        4, quint8(down), 0, 0, quint8(key >> 24), quint8(key >> 16), quint8(key >> 8), quint8(key)};
    send(event, sizeof(event));
}

bool VncClient::send(const void* data, size_t size) {
    return ::send(m_socket, data, size, MSG_NOSIGNAL) == ssize_t(size);
}

bool VncClient::receive(void* data, size_t size) {
    auto* bytes = static_cast<char*>(data);
    while (size > 0) {
        const ssize_t got = ::recv(m_socket, bytes, size, 0);
        if (got <= 0)
            return false;
        bytes += got;
        size -= size_t(got);
    }
    return true;
}

} // namespace zyn::test
