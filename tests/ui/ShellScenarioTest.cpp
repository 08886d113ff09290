// The main window's commands and what the user sees of them.
#include "UiTestSupport.h"
#include "document/CommandRegistry.h"
#include "editor/ui/ShowGridView.h"
#include "fakes/QtPrinters.h"
#include "ui/WindowTitle.h"

#include <QAction>
#include <QFile>
#include <QHash>
#include <QLabel>

using namespace zyn;
using namespace zyn::test;

namespace {

class ShellScenario : public UiTest {
protected:
    QAction* action(const char* name) { return window->action(QLatin1String(name)); }
};

TEST_F(ShellScenario, NewWithUnsavedChangesAndNoKeepsEverything) {
    document->show.cues.row(1).Description = "kept";
    document->show.state.ShowChanged = true;
    document->show.state.ProjectPath = "/shows/a.zyn";
    window->setDocumentTitle("/shows/a.zyn");
    bool dialogShown = false;
    window->setStartDialogRunner([&] { dialogShown = true; });
    prompter.answer({false});
    window->ExecuteCommand("keyDateiNew");
    EXPECT_EQ(prompter.shown().last().text, text(2));
    EXPECT_EQ(prompter.shown().last().title, text(9));
    EXPECT_FALSE(dialogShown);
    EXPECT_EQ(document->show.cues.row(1).Description, "kept");
    EXPECT_EQ(document->show.state.ProjectPath, "/shows/a.zyn");
    EXPECT_EQ(window->windowTitle(), WindowTitle::withDocument("/shows/a.zyn"));
}

TEST_F(ShellScenario, TitleFollowsNewSaveAsAndOpen) {
    EXPECT_EQ(window->windowTitle(), WindowTitle::base() + " - [" + text(155) + "]");
    EXPECT_FALSE(action("mnukeyDateiSave")->isEnabled());

    document->show.cues.row(1).TimeText = "00:00:01:00";
    files.choose(path("first"));
    window->ExecuteCommand("keyDateiSaveAs");
    const QString saved = path("first.zyn");
    EXPECT_TRUE(QFile::exists(saved));
    EXPECT_EQ(window->windowTitle(), WindowTitle::withDocument(saved));
    EXPECT_TRUE(action("mnukeyDateiSave")->isEnabled());
    EXPECT_TRUE(action("SAVE")->isEnabled());
    EXPECT_EQ(files.lastDirectory, document->home.projectsDirectory());
    EXPECT_EQ(files.lastFilter, text(220));

    window->startNewShow(TimeCodedShow);
    EXPECT_EQ(window->windowTitle(), WindowTitle::base() + " - [" + text(155) + "]");
    files.choose(saved);
    window->ExecuteCommand("keyDateiOpen");
    EXPECT_EQ(files.lastFilter, text(220) + text(219));
    EXPECT_EQ(window->windowTitle(), WindowTitle::withDocument(saved));
    EXPECT_EQ(document->show.cues.row(1).TimeText, "00:00:01:00");
    EXPECT_FALSE(document->show.state.ShowChanged);
}

TEST_F(ShellScenario, TheFirstKeyAfterTheOpenDialogIsSwallowed) {
    document->show.state.ShowChanged = false;
    files.choose(QString()); // cancelled: no key is swallowed
    window->ExecuteCommand("keyDateiOpen");
    auto* grid = find<ShowGridView>("MSHFlexGrid_Time");
    grid->setFocus();

    files.choose(path("saved.zyn"));
    window->ExecuteCommand("keyDateiSaveAs");
    grid->setFocus();
    QTest::keyClick(grid, Qt::Key_4);
    EXPECT_FALSE(document->show.state.InputActive);
    QTest::keyClick(grid, Qt::Key_4);
    EXPECT_TRUE(document->show.state.InputActive);
}

TEST_F(ShellScenario, AnOpenedFileThatDoesNotExistIsNamedInAWarning) {
    files.choose(path("missing.zyn"));
    window->ExecuteCommand("keyDateiOpen");
    ASSERT_EQ(prompter.count(ScriptedPrompter::Kind::Warning), 1);
    EXPECT_TRUE(
        prompter.shown().last().text.startsWith(QDir::toNativeSeparators(path("missing.zyn"))));
    EXPECT_TRUE(prompter.shown().last().text.endsWith("\n\n" + text(5)));
}

TEST_F(ShellScenario, ADamagedProjectIsReportedAndCannotBeOverwrittenBySave) {
    QFile damaged(path("damaged.zyn"));
    ASSERT_TRUE(damaged.open(QIODevice::WriteOnly));
    damaged.write("[ZYN600x2 PROJECTFILE]\r\n#FALSE#,#FALSE#,1\r\n[CUES]\r\n");
    damaged.close();
    files.choose(damaged.fileName());
    window->ExecuteCommand("keyDateiOpen");
    ASSERT_EQ(prompter.count(ScriptedPrompter::Kind::Critical), 1);
    EXPECT_TRUE(prompter.shown().last().text.startsWith("Fehlernummer: 62\r\n\r\n"));
    EXPECT_EQ(document->show.state.ProjectPath, "");
    EXPECT_FALSE(action("mnukeyDateiSave")->isEnabled());
}

TEST_F(ShellScenario, ImportWithoutAWorkbookEngineSaysSo) {
    document->SpreadsheetAvailable = false;
    window->ExecuteCommand("keyDateiImport");
    ASSERT_EQ(prompter.count(ScriptedPrompter::Kind::Warning), 1);
    EXPECT_EQ(prompter.shown().last().text, text(177));
}

TEST_F(ShellScenario, EveryToolbarButtonHasATooltipOfItsOwn) {
    QHash<QString, QString> keyOfTooltip;
    for (const Command& command : CommandRegistry::all()) {
        if (!command.button)
            continue;
        const QString tooltip = action(command.button)->toolTip();
        if (command.buttonShown) {
            EXPECT_FALSE(tooltip.isEmpty()) << command.button;
        }
        if (tooltip.isEmpty())
            continue;
        EXPECT_FALSE(keyOfTooltip.contains(tooltip))
            << command.button << " shows the tooltip of " << keyOfTooltip[tooltip].toStdString();
        keyOfTooltip.insert(tooltip, QLatin1String(command.button));
    }
}

TEST_F(ShellScenario, AnUnknownCommandOrActionNameStopsTheProgramLoudly) {
    // A forked child of a process with Qt's threads can hang; start afresh.
    GTEST_FLAG_SET(death_test_style, "threadsafe");
    EXPECT_DEATH(window->ExecuteCommand("keyDateiSafe"), "No command has the key keyDateiSafe");
    EXPECT_DEATH(window->action("mnukeyDateiSafe"), "No action is named mnukeyDateiSafe");
}

TEST_F(ShellScenario, ExitWithoutChangesAsksNothingAndWritesTheSettings) {
    window->ExecuteCommand("keyDateiEnd");
    EXPECT_TRUE(prompter.shown().isEmpty());
    EXPECT_TRUE(QFile::exists(document->home.configPath()));
    EXPECT_FALSE(window->isVisible());
}

TEST_F(ShellScenario, ClosingWithChangesAsksAndNoKeepsTheWindow) {
    document->show.state.ShowChanged = true;
    prompter.answer({false});
    window->close();
    EXPECT_TRUE(window->isVisible());
    EXPECT_EQ(prompter.shown().last().text, text(4));
    document->ReportKind = 201;
    window->close();
    EXPECT_TRUE(window->isVisible());
    document->ReportKind = 0;
}

} // namespace
