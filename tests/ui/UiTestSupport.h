#pragma once

#include "document/ShowDocument.h"
#include "fakes/ScriptedFileDialogs.h"
#include "fakes/ScriptedPrompter.h"
#include "fakes/TestPaths.h"
#include "settings/ProgramDirectory.h"
#include "shell/MainWindow.h"

#include <QApplication>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <functional>
#include <gtest/gtest.h>
#include <memory>

namespace zyn::test {

// A main window over a fresh program directory with the built languages,
// questions answered by script and file dialogs naming the test's files.
class UiTest : public ::testing::Test {
protected:
    void SetUp() override {
        ProgramDirectory home(m_dir.filePath(QStringLiteral("home")));
        QString error;
        ASSERT_TRUE(home.prepare(builtLanguageDir(), &error)) << error.toStdString();
        document = std::make_unique<ShowDocument>(home, prompter, *fileDialogs);
        document->loadLanguage();
        window = std::make_unique<MainWindow>(*document);
        window->show();
        window->startNewShow(TimeCodedShow);
        ASSERT_TRUE(QTest::qWaitForWindowExposed(window.get()));
    }

    void TearDown() override {
        document->show.state.ShowChanged = false;
        window.reset();
    }

    template<typename T> T* find(const QString& name) const { return window->findChild<T*>(name); }
    QString path(const QString& name) const { return m_dir.filePath(name); }
    QString text(int number) const { return document->text(number); }

    // A widget of a dialog, by its object name; a missing one fails the test.
    template<typename T> static T* child(QWidget& dialog, const char* name) {
        T* found = dialog.findChild<T*>(QLatin1String(name));
        EXPECT_NE(found, nullptr) << name;
        return found;
    }

    // Acts on the next modal dialog as soon as it is shown (dialogs opened by
    // the command timer appear a tick after the command).
    static void onModal(std::function<void(QWidget*)> act, int tries = 200) {
        QTimer::singleShot(10, [act = std::move(act), tries]() mutable {
            if (QWidget* dialog = QApplication::activeModalWidget())
                act(dialog);
            else if (tries > 0)
                onModal(std::move(act), tries - 1);
        });
    }

    // Changes the settings as the options dialog does.
    void changeSettings(const std::function<void(Settings&)>& change) {
        Settings settings = document->settings();
        change(settings);
        document->changeSettings(settings);
    }

    // Lets queued timers and posted events run.
    static void settle(int ms = 30) { QTest::qWait(ms); }

    QTemporaryDir m_dir;
    ScriptedPrompter prompter;
    ScriptedFileDialogs files;
    // The dialogs the document asks; a fixture that drives the real ones points
    // this elsewhere in its constructor.
    FileDialogs* fileDialogs = &files;
    std::unique_ptr<ShowDocument> document;
    std::unique_ptr<MainWindow> window;
};

} // namespace zyn::test
