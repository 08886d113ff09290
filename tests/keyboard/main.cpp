// Key presses with modifiers reach the program as a keyboard sends them only
// through a real window system: this program runs its windows on an X display
// of its own, and its tests type through the X test extension.
#include "RealKeyboardTest.h"
#include "fakes/XvfbDisplay.h"
#include "shell/ApplicationIdentity.h"

#include <QApplication>
#include <gtest/gtest.h>

int main(int argc, char* argv[]) {
    testing::InitGoogleTest(&argc, argv);
    if (GTEST_FLAG_GET(list_tests))
        return RUN_ALL_TESTS();
    const zyn::test::XvfbDisplay display;
    QString& problem = zyn::test::RealKeyboardTest::problem();
    problem = display.why();
    const QStringList missing = zyn::test::RealKeyboard::missingTools();
    if (problem.isEmpty() && !missing.isEmpty())
        problem = QStringLiteral("missing: ") + missing.join(QStringLiteral(", "));
    if (problem.isEmpty()) {
        zyn::test::RealKeyboardTest::displayName() = display.name();
        qputenv("QT_QPA_PLATFORM", "xcb");
        qputenv("DISPLAY", display.name().toUtf8());
    } else {
        qputenv("QT_QPA_PLATFORM", "offscreen");
    }
    QApplication app(argc, argv);
    zyn::identifyApplication();
    return RUN_ALL_TESTS();
}
