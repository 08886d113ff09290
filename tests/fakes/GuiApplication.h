#pragma once

#include "LeakSuppressions.h"

#include <QGuiApplication>

namespace zyn::test {

// Starts the test program's GUI application on the offscreen platform, for
// tests that measure or draw text (fonts need one). It lives until the
// program ends; call it inside a test, never before InitGoogleTest. False
// when another kind of application object already runs.
inline bool ensureGuiApplication() {
    useLeakSuppressions();
    if (!QCoreApplication::instance()) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
        static int argc = 1;
        static char name[] = "zyntest";
        static char* argv[] = {name, nullptr};
        static QGuiApplication* app = new QGuiApplication(argc, argv);
        (void)app;
    }
    return qobject_cast<QGuiApplication*>(QCoreApplication::instance()) != nullptr;
}

} // namespace zyn::test
