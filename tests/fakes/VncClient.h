#pragma once

#include <QByteArray>

class QProcess;

namespace zyn::test {

// Just enough of the remote framebuffer protocol (version 3.3, no security)
// to drive a program that runs on Qt's VNC platform as a user would: press
// keys and watch the screen change. Every wait ends after StepTimeoutMs.
class VncClient {
public:
    // X keysyms of the keys scenarios press; printable ASCII is its own.
    enum Key : quint32 {
        Return = 0xff0d,
        Escape = 0xff1b,
        Left = 0xff51,
        Right = 0xff53,
        Insert = 0xff63,
        Alt = 0xffe9,
    };

    static constexpr int StepTimeoutMs = 20000;

    VncClient(int width, int height) : m_width(width), m_height(height) {}
    ~VncClient();
    VncClient(const VncClient&) = delete;
    VncClient& operator=(const VncClient&) = delete;

    // Connects to the server of a program that is starting; false when the
    // program ended or no server answered in time.
    bool connect(quint16 port, const QProcess& program);

    void press(quint32 key, quint32 modifier = 0);
    void type(const char* text);

    // A fingerprint of the whole screen; empty when the server is gone.
    QByteArray screen();
    // Waits until the screen differs from `before` and then holds still for
    // a moment; the settled screen, or empty after the time-out.
    QByteArray settled(const QByteArray& before);
    // The fingerprint of a screen on which nothing is shown yet.
    QByteArray blankScreen() const;

    // A TCP port on the loopback interface that nothing listens on now.
    static quint16 freePort();

private:
    bool connectOnce(quint16 port);
    bool handshake();
    void keyEvent(quint32 key, bool down);
    bool send(const void* data, size_t size);
    bool receive(void* data, size_t size);

    int m_width;
    int m_height;
    int m_socket = -1;
};

} // namespace zyn::test
