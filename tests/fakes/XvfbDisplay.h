#pragma once

#include <QString>
#include <sys/types.h>

namespace zyn::test {

// A virtual X display of the test program's own: an Xvfb server on the first
// free display number, started by the constructor and stopped (that server
// only) by the destructor, or by the system when the program dies. The server picks the number
// itself and reports it once it accepts connections, so programs running side by side never meet.
class XvfbDisplay {
public:
    XvfbDisplay();
    ~XvfbDisplay();
    XvfbDisplay(const XvfbDisplay&) = delete;
    XvfbDisplay& operator=(const XvfbDisplay&) = delete;

    // True when the server answers; otherwise why() says what is missing.
    bool available() const { return !m_name.isEmpty(); }
    const QString& why() const { return m_why; }
    // The display's name for DISPLAY, as ":N".
    const QString& name() const { return m_name; }

private:
    bool start();
    QString readDisplayNumber(int fd) const;
    void stop();

    pid_t m_server = -1;
    QString m_name;
    QString m_why;
};

} // namespace zyn::test
