// Window titles as the window system holds them: what a window manager shows.
#include "RealKeyboardTest.h"
#include "settings/ui/SettingsTextId.h"
#include "shell/StartDialog.h"
#include "ui/WindowTitle.h"

using namespace zyn;
using namespace zyn::test;

namespace {

class WindowTitles : public RealKeyboardTest {};

TEST_F(WindowTitles, AreTheProgramsOwnWithNothingAdded) {
    const QString main = WindowTitle::base() + " - [" + text(155) + "]";
    EXPECT_EQ(keys->windowName(window->winId()), main);

    StartDialog start(*document, window.get());
    start.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&start));
    EXPECT_EQ(keys->windowName(start.winId()), WindowTitle::base());
    start.close();

    bool options = false;
    onModal([&](QWidget* dialog) {
        options = true;
        EXPECT_EQ(keys->windowName(dialog->winId()), text(SettingsTextId::OptionsCaption));
        dialog->close();
    });
    window->ExecuteCommand("keyExtraOptionen");
    EXPECT_TRUE(options);
}

} // namespace
