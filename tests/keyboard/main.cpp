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
    zyn::test::RealKeyboardTest::useDisplay(display);
    QApplication app(argc, argv);
    zyn::identifyApplication();
    return RUN_ALL_TESTS();
}
