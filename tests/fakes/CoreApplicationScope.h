#pragma once

#include <QCoreApplication>
#include <memory>

namespace zyn::test {

// An application object for tests that run an event loop (serial ports,
// timers), made only when none exists and removed with the scope, so test
// programs that need a GUI application elsewhere can still create theirs.
class CoreApplicationScope {
public:
    CoreApplicationScope() {
        if (!QCoreApplication::instance())
            m_app = std::make_unique<QCoreApplication>(m_argc, m_argv);
    }

private:
    int m_argc = 1;
    char m_name[8] = "zyntest";
    char* m_argv[2] = {m_name, nullptr};
    std::unique_ptr<QCoreApplication> m_app;
};

} // namespace zyn::test
