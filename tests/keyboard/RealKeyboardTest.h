#pragma once

#include "fakes/QtPrinters.h"
#include "fakes/RealKeyboard.h"
#include "fakes/ServiceRequirement.h"
#include "fakes/XvfbDisplay.h"
#include "ui/UiTestSupport.h"

#include <QWidget>

namespace zyn::test {

// The main window on the program's own X display, active, with a keyboard
// that types into it. Without the display or its tools the tests are skipped,
// except on CI, where they fail: there they must always run.
class RealKeyboardTest : public UiTest {
public:
    // Set by main() before the application object exists.
    static QString& displayName() {
        static QString name;
        return name;
    }
    static QString& problem() {
        static QString why;
        return why;
    }

    // Called by main() before the application object exists: the windows go
    // to `display` when it and the tools are there, else offscreen (and the
    // tests say why).
    static void useDisplay(const XvfbDisplay& display) {
        problem() = display.why();
        const QStringList missing = RealKeyboard::missingTools();
        if (problem().isEmpty() && !missing.isEmpty())
            problem() = QStringLiteral("missing: ") + missing.join(QStringLiteral(", "));
        if (problem().isEmpty()) {
            displayName() = display.name();
            qputenv("QT_QPA_PLATFORM", "xcb");
            qputenv("DISPLAY", display.name().toUtf8());
        } else {
            qputenv("QT_QPA_PLATFORM", "offscreen");
        }
    }

protected:
    static constexpr int WaitMs = 5000; // a missed key, not a slow one

    void SetUp() override {
        ZYN_REQUIRE_SERVICE(problem().isEmpty(), "no real keyboard: " + problem().toStdString());
        UiTest::SetUp();
        if (HasFatalFailure())
            return;
        keys = std::make_unique<RealKeyboard>(displayName());
        ASSERT_TRUE(useLayout(QStringLiteral("us")));
        activate(*window);
    }

    void TearDown() override {
        if (document)
            UiTest::TearDown();
    }

    // Gives a window the input focus, as a click into it would: keys go to
    // the focused window only.
    static void activate(QWidget& target) {
        target.activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(&target)) << target.objectName().toStdString();
    }

    bool useLayout(const QString& layout) {
        if (layout == m_layout)
            return true;
        m_layout = layout;
        return keys->setLayout(layout);
    }

    // Presses a chord and waits until its effect shows.
    template<typename Done> bool pressUntil(const QString& chord, Done done) {
        return keys->press(chord) && QTest::qWaitFor(done, WaitMs);
    }

    std::unique_ptr<RealKeyboard> keys;

private:
    QString m_layout;
};

} // namespace zyn::test
