// The recovery copy through the real windows: edits kept while the program
// runs, offered by the start dialog after the program died, gone after a
// normal end, a save or a declined offer.
#include "UiTestSupport.h"
#include "editor/ui/CueGridModel.h"
#include "editor/ui/EditorCommands.h"
#include "editor/ui/EditorWindow.h"
#include "editor/ui/InputBox.h"
#include "editor/ui/ShowGridView.h"
#include "fakes/FileSizeLimit.h"
#include "fakes/QtPrinters.h"
#include "shell/ApplicationStart.h"
#include "shell/RecoveryKeeper.h"
#include "ui/WindowTitle.h"

#include <QAction>
#include <QFile>
#include <QPushButton>

using namespace zyn;
using namespace zyn::test;

namespace {

class RecoveryScenario : public UiTest {
protected:
    bool copyExists() const { return QFile::exists(document->recovery.path()); }
    ShowGridView* cueGrid() const { return find<ShowGridView>("MSHFlexGrid_Time"); }
    const CueRow& cue(int row) const { return document->show.cues.row(row); }

    void goToCue(int row, int column) {
        cueGrid()->setFocus();
        cueGrid()->setCurrentIndex(cueGrid()->model()->index(row - 1, column));
    }

    // Types a description into a cue and stores it with Enter.
    void typeDescription(int row, const QString& text) {
        goToCue(row, CueGridModel::DescriptionColumn);
        QTest::keyClicks(cueGrid(), text.left(1));
        auto* box = find<InputBox>("txt_Eingabe");
        QTest::keyClicks(box, text.mid(1));
        QTest::keyClick(box, Qt::Key_Return);
        ASSERT_EQ(cue(row).Description, text);
    }

    // Lets the minute of the recovery timer pass.
    void letAMinutePass() {
        auto* timer = window->findChild<QTimer*>("TimerRecovery");
        ASSERT_TRUE(timer);
        EXPECT_EQ(timer->interval(), RecoveryKeeper::IntervalMs);
        timer->setInterval(1);
        settle(40);
        timer->setInterval(RecoveryKeeper::IntervalMs);
    }

    // The program ends without closing its window, as when it is killed, and
    // starts again over the same folder. The start dialog's welcome page is
    // confirmed and the offer of a copy answered; when it is declined (or
    // none is made) a new show is chosen.
    void restartAfterAbnormalEnd(std::optional<bool> restore = std::nullopt) {
        const ProgramDirectory home = document->home;
        window.reset();
        document.reset();
        prompter.clear();
        if (restore)
            prompter.answer({*restore});
        document = std::make_unique<ShowDocument>(home, prompter, files);
        document->loadLanguage();
        onModal([](QWidget* dialog) {
            dialog->findChild<QPushButton*>("OK")->click();
            if (dialog->isVisible())
                dialog->findChild<QPushButton*>("cmdAuto")->click();
        });
        window = startApplication(*document);
        ASSERT_TRUE(window);
    }

    void expectOffered(const QString& showName) {
        ASSERT_EQ(prompter.count(ScriptedPrompter::Kind::Question), 1);
        const ScriptedPrompter::Box& offer = prompter.shown().first();
        EXPECT_EQ(offer.title, text(9));
        EXPECT_TRUE(offer.text.startsWith(text(320) + "\n\n" + text(322) + ' ' + showName + '\n' +
                                          text(323) + ' '))
            << offer.text.toStdString();
        EXPECT_TRUE(offer.text.endsWith("\n\n" + text(321)));
    }

    QString restoredTitle(const QString& name) const {
        return WindowTitle::withDocument(name + " (" + text(324) + ")");
    }
};

TEST_F(RecoveryScenario, TypedCellsAreKeptWithinAMinuteAndComeBackAfterTheProgramDied) {
    typeDescription(1, "Comet");
    // One cell is not worth a write of its own: the minute's timer takes it.
    EXPECT_FALSE(copyExists());
    letAMinutePass();
    ASSERT_TRUE(copyExists());

    restartAfterAbnormalEnd(true);
    expectOffered(text(155));
    EXPECT_EQ(cue(1).Description, "Comet");
    EXPECT_EQ(cueGrid()->model()->index(0, CueGridModel::DescriptionColumn).data().toString(),
              "Comet");
    EXPECT_TRUE(document->show.state.ShowChanged);
    EXPECT_EQ(document->show.state.ProjectPath, "");
    EXPECT_EQ(window->windowTitle(), restoredTitle(text(155)));
    EXPECT_FALSE(window->action("mnukeyDateiSave")->isEnabled());
    // The restored show is kept again: a second crash loses nothing either.
    EXPECT_TRUE(copyExists());
}

TEST_F(RecoveryScenario, ABulkChangeIsKeptAtOnceAndSaveAsProposesTheShowsOwnFile) {
    files.choose(path("show.zyn"));
    window->ExecuteCommand("keyDateiSaveAs");
    settle(150); // the key after a file dialog is swallowed
    typeDescription(1, "Comet");
    goToCue(1, CueGridModel::TimeColumn);
    QTest::keyClick(cueGrid(), Qt::Key_Insert); // every later cue moves down
    QTest::keyClick(find<InputBox>("txt_Eingabe"), Qt::Key_Escape);
    EXPECT_TRUE(copyExists());

    restartAfterAbnormalEnd(true);
    expectOffered(path("show.zyn"));
    EXPECT_EQ(cue(2).Description, "Comet");
    EXPECT_EQ(cue(1).Description, "");
    EXPECT_EQ(window->windowTitle(), restoredTitle(path("show.zyn")));

    files.choose(path("again.zyn"));
    window->ExecuteCommand("keyDateiSaveAs");
    EXPECT_EQ(files.lastProposed, path("show.zyn"));
    EXPECT_EQ(window->windowTitle(), WindowTitle::withDocument(path("again.zyn")));
    EXPECT_FALSE(copyExists());
}

TEST_F(RecoveryScenario, ADeclinedCopyIsDeletedAndANormalEndLeavesNone) {
    typeDescription(1, "Comet");
    letAMinutePass();
    restartAfterAbnormalEnd(false);
    expectOffered(text(155));
    EXPECT_FALSE(copyExists());
    EXPECT_EQ(cue(1).Description, "");
    EXPECT_FALSE(document->show.state.ShowChanged);

    typeDescription(1, "Again");
    letAMinutePass();
    ASSERT_TRUE(copyExists());
    prompter.answer({true}); // discard the changes
    window->ExecuteCommand("keyDateiEnd");
    EXPECT_FALSE(window->isVisible());
    EXPECT_FALSE(copyExists());

    restartAfterAbnormalEnd();
    EXPECT_EQ(prompter.count(ScriptedPrompter::Kind::Question), 0);
}

TEST_F(RecoveryScenario, NoCopyIsWrittenHalfWayThroughAnOperation) {
    auto* timer = window->findChild<QTimer*>("TimerRecovery");
    timer->setInterval(1);
    bool writtenDuringTheOperation = false;
    window->editor().commands().run([&](EditContext& context) {
        context.show.cues.row(1).Description = "first half";
        context.show.state.ShowChanged = true;
        settle(40); // as the sort's progress lets window events through
        writtenDuringTheOperation = copyExists();
        context.show.cues.row(2).Description = "second half";
        EditResult result;
        result.changed = true;
        result.cueRows = {1, 2};
        return result;
    });
    timer->setInterval(RecoveryKeeper::IntervalMs);
    EXPECT_FALSE(writtenDuringTheOperation);
    ASSERT_TRUE(copyExists());

    restartAfterAbnormalEnd(true);
    EXPECT_EQ(cue(1).Description, "first half");
    EXPECT_EQ(cue(2).Description, "second half");
}

TEST_F(RecoveryScenario, ACopyThatCannotBeWrittenIsReportedOnceUntilOneIsWrittenAgain) {
    typeDescription(1, "Comet");
    const auto failingMinutes = [this](int minutes) {
        const FileSizeLimit fullDisk(8);
        if (!fullDisk.active())
            return false;
        for (int i = 0; i < minutes; ++i) {
            document->show.cues.row(2).Description = QString::number(i);
            letAMinutePass();
        }
        return true;
    };
    if (!failingMinutes(3))
        GTEST_SKIP() << "the file size limit cannot be lowered here";
    ASSERT_EQ(prompter.count(ScriptedPrompter::Kind::Warning), 1);
    EXPECT_TRUE(prompter.shown().last().text.startsWith(text(325) + "\n\n" + text(235)));
    EXPECT_FALSE(copyExists());

    letAMinutePass();
    EXPECT_TRUE(copyExists());
    failingMinutes(1);
    EXPECT_EQ(prompter.count(ScriptedPrompter::Kind::Warning), 2);
}

TEST_F(RecoveryScenario, ACopyThatCannotBeReadIsReportedAndKeptAside) {
    typeDescription(1, "Comet");
    letAMinutePass();
    QFile copy(document->recovery.path());
    ASSERT_TRUE(copy.open(QIODevice::ReadWrite));
    const QByteArray whole = copy.readAll();
    ASSERT_TRUE(copy.resize(whole.indexOf("[IC]") + 6));
    copy.close();

    restartAfterAbnormalEnd(true);
    EXPECT_EQ(prompter.count(ScriptedPrompter::Kind::Critical), 1);
    const QString aside = QDir(document->home.path()).filePath("ZYNRecovery-damaged.zyn");
    EXPECT_EQ(prompter.shown().last().text, text(326) + '\n' + aside);
    EXPECT_TRUE(QFile::exists(aside));
    EXPECT_EQ(cue(1).Description, "Comet");
}

} // namespace
