// What the user sees when a file cannot be written: the box that says so,
// and a show and files that are exactly as they were.
#include "UiTestSupport.h"
#include "fakes/FileSizeLimit.h"
#include "fakes/QtPrinters.h"
#include "fakes/WriteFailures.h"
#include "show/RecentFiles.h"
#include "ui/WindowTitle.h"

#include <QAction>
#include <QFile>
#include <iostream>

using namespace zyn;
using namespace zyn::test;

namespace {

class WriteFailureScenario : public UiTest {};

TEST_F(WriteFailureScenario, ASaveThatFailsSaysSoAndKeepsTheFileAndTheChanges) {
    files.choose(path("first.zyn"));
    window->ExecuteCommand("keyDateiSaveAs");
    for (const WriteFailure failure : EveryWriteFailure) {
        SCOPED_TRACE(nameOf(failure));
        FailingTarget target(failure, QStringLiteral("show.zyn"));
        // The show's own file, gone or locked or on a full disk since it was opened.
        document->show.state.ProjectPath = target.path();
        window->setDocumentTitle(target.path());
        document->show.cues.row(1).Description = QStringLiteral("changed");
        document->show.state.ShowChanged = true;
        prompter.clear();
        const std::optional<bool> ran = target.run([&] {
            window->ExecuteCommand("keyDateiSave");
            return prompter.count(ScriptedPrompter::Kind::Critical) == 1;
        });
        if (!ran) {
            std::cout << "skipped: " << target.skipReason().toStdString() << "\n";
            continue;
        }
        ASSERT_TRUE(*ran);
        const ScriptedPrompter::Box& box = prompter.shown().last();
        EXPECT_TRUE(box.text.startsWith("Fehlernummer: ")) << box.text.toStdString();
        EXPECT_TRUE(box.text.contains(text(235) + "\r\n" + target.path()));
        EXPECT_EQ(box.title, text(10));
        EXPECT_TRUE(target.untouched());
        EXPECT_TRUE(document->show.state.ShowChanged);
        EXPECT_EQ(document->show.state.ProjectPath, target.path());
        EXPECT_EQ(window->windowTitle(), WindowTitle::withDocument(target.path()));
        EXPECT_TRUE(window->isEnabled());
        EXPECT_EQ(RecentFiles::readLastProject(document->home.recentFilesPath()),
                  path("first.zyn"));
    }
}

TEST_F(WriteFailureScenario, ASaveAsThatFailsKeepsTheNameTheShowHad) {
    files.choose(path("first.zyn"));
    window->ExecuteCommand("keyDateiSaveAs");
    document->show.state.ShowChanged = true;
    prompter.clear();
    files.choose(path("missing/second.zyn"));
    window->ExecuteCommand("keyDateiSaveAs");
    EXPECT_EQ(prompter.count(ScriptedPrompter::Kind::Critical), 1);
    EXPECT_EQ(document->show.state.ProjectPath, path("first.zyn"));
    EXPECT_EQ(window->windowTitle(), WindowTitle::withDocument(path("first.zyn")));
    EXPECT_TRUE(document->show.state.ShowChanged);
}

TEST_F(WriteFailureScenario, AnExportThatFailsSaysSoAndKeepsThePreviousFile) {
    document->SpreadsheetAvailable = true;
    window->ExecuteCommand("keyAusgabeTimeList");
    ASSERT_EQ(document->ReportKind, 201);
    for (const char* name : {"times.xlt", "times.xlsx"}) {
        for (const WriteFailure failure : EveryWriteFailure) {
            SCOPED_TRACE(std::string(name) + ", " + nameOf(failure));
            FailingTarget target(failure, QLatin1String(name));
            prompter.clear();
            files.choose(target.path());
            const std::optional<bool> ran = target.run([&] {
                window->action("EXPORT")->trigger();
                return QTest::qWaitFor(
                    [&] { return prompter.count(ScriptedPrompter::Kind::Critical) == 1; });
            });
            if (!ran) {
                std::cout << "skipped: " << target.skipReason().toStdString() << "\n";
                continue;
            }
            EXPECT_TRUE(*ran);
            EXPECT_TRUE(prompter.shown().last().text.contains(target.path()));
            EXPECT_TRUE(target.untouched());
        }
    }
    window->action("OK")->trigger();
    EXPECT_TRUE(QTest::qWaitFor([&] { return document->ReportKind == 0; }));
}

TEST_F(WriteFailureScenario, SettingsThatCannotBeWrittenAtTheEndAreReportedAndKeptAsTheyWere) {
    const QString config = document->home.configPath();
    window->ExecuteCommand("keyDateiEnd");
    QFile file(config);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    const QByteArray previous = file.readAll();
    file.close();

    window->show();
    changeSettings([](Settings& settings) { settings.languageName = QStringLiteral("Deutsch"); });
    prompter.clear();
    {
        const FileSizeLimit fullDisk(8);
        if (!fullDisk.active())
            GTEST_SKIP() << "the file size limit cannot be lowered here";
        window->ExecuteCommand("keyDateiEnd");
    }
    ASSERT_EQ(prompter.count(ScriptedPrompter::Kind::Warning), 1);
    EXPECT_EQ(prompter.shown().last().text, text(243));
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    EXPECT_EQ(file.readAll(), previous);
}

} // namespace
