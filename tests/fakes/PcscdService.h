#pragma once

#include <QString>
#include <functional>
#include <sys/types.h>

namespace zyn::test {

// The PC/SC service for tests and benchmarks that go through the virtual
// reader. The reader's port and the service are shared by every process on
// the machine, so a scope holds a machine-wide lock for its whole life: two
// test programs never put cards into the same reader at once. When no
// service answers, the scope starts "pcscd -f" and stops that daemon (and
// only that one) when it ends.
class PcscdService {
public:
    // Whether the service answers; asked before and after starting it.
    using Probe = std::function<bool()>;

    explicit PcscdService(Probe probe);
    ~PcscdService();
    PcscdService(const PcscdService&) = delete;
    PcscdService& operator=(const PcscdService&) = delete;

    // True when the service answers; otherwise why() says what is missing.
    bool available() const { return m_available; }
    const QString& why() const { return m_why; }

private:
    bool start();
    void stop();
    // Whether the daemon this scope started has ended (collecting it if so).
    bool reaped();
    bool waitFor(const Probe& condition, int milliseconds) const;

    Probe m_probe;
    int m_lock = -1;
    pid_t m_daemon = -1;
    bool m_available = false;
    QString m_why;
};

} // namespace zyn::test
