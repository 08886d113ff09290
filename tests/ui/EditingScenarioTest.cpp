// Editing through the grids' keys, the toolbar and the menus, with undo.
#include "UiTestSupport.h"
#include "editor/ui/CueGridModel.h"
#include "editor/ui/EditorWindow.h"
#include "editor/ui/InputBox.h"
#include "editor/ui/ShowGridView.h"
#include "fakes/QtPrinters.h"

#include <QAction>
#include <QApplication>
#include <QLineEdit>
#include <QPushButton>
#include <QTimer>
#include <memory>

using namespace zyn;
using namespace zyn::test;

namespace {

class EditingScenario : public UiTest {
protected:
    void SetUp() override {
        UiTest::SetUp();
        Show& show = document->show;
        const char* times[] = {"00:00:01:00", "00:00:02:00", "00:00:03:00"};
        for (int r = 1; r <= 3; ++r) {
            show.cues.row(r).TimeText = QLatin1String(times[r - 1]);
            show.cues.row(r).Description = QStringLiteral("cue %1").arg(r);
        }
        show.ics.cell(1, 1) = "1";
        show.ics.cell(1, 2) = "2-3";
        show.ics.cell(1, 3) = "3";
        window->editor().showReplaced();
    }

    ShowGridView* cueGrid() { return find<ShowGridView>("MSHFlexGrid_Time"); }
    ShowGridView* icGrid() { return find<ShowGridView>("MSHFlexGrid_Slave"); }
    QString icOnScreen(int slave, int channel) {
        return icGrid()->model()->index(slave - 1, channel - 1).data().toString();
    }
    void goToCue(int row) {
        cueGrid()->setFocus();
        cueGrid()->setCurrentIndex(cueGrid()->model()->index(row - 1, CueGridModel::TimeColumn));
    }
    void goToChannel(int slave, int channel) {
        icGrid()->setFocus();
        icGrid()->setCurrentIndex(icGrid()->model()->index(slave - 1, channel - 1));
    }
    // Runs an action queued for the editor's command timer.
    void command(const char* key) {
        window->ExecuteCommand(QLatin1String(key));
        settle();
    }
};

TEST_F(EditingScenario, DeletingACueRenumbersTheChannelsOnScreenAndUndoBringsThemBack) {
    goToCue(1);
    prompter.answer({true});
    QTest::keyClick(cueGrid(), Qt::Key_Delete);
    EXPECT_EQ(prompter.shown().last().title, text(9));
    EXPECT_EQ(icOnScreen(1, 1), "");
    EXPECT_EQ(icOnScreen(1, 2), "1-3");
    EXPECT_EQ(icOnScreen(1, 3), "2");
    EXPECT_EQ(document->show.cues.row(1).Description, "cue 2");
    ASSERT_TRUE(window->action("mnukeyEditUndo")->isEnabled());

    QTest::keyClick(cueGrid(), Qt::Key_Z, Qt::ControlModifier);
    settle();
    EXPECT_EQ(icOnScreen(1, 1), "1");
    EXPECT_EQ(icOnScreen(1, 2), "2-3");
    EXPECT_EQ(document->show.cues.row(1).Description, "cue 1");
    EXPECT_TRUE(document->show.state.ShowChanged);

    command("keyEditRedo");
    EXPECT_EQ(icOnScreen(1, 2), "1-3");
}

TEST_F(EditingScenario, SecurityKeysSetTheLevelOnlyInATimeCodedShow) {
    goToChannel(1, 2);
    QTest::keyClick(icGrid(), Qt::Key_F4);
    EXPECT_EQ(icOnScreen(1, 2), "2-4");
    QTest::keyClick(icGrid(), Qt::Key_F12);
    EXPECT_EQ(icOnScreen(1, 2), "2");

    window->startNewShow(ManualShow);
    document->show.ics.cell(1, 2) = "2";
    goToChannel(1, 2);
    QTest::keyClick(icGrid(), Qt::Key_F4);
    EXPECT_EQ(document->show.ics.cell(1, 2), "2");
}

TEST_F(EditingScenario, TypedChannelEntriesAreCheckedAndStored) {
    auto* box = find<InputBox>("txt_Eingabe_CUE");
    const struct {
        const char* typed;
        const char* stored;
        int warning;
    } cases[] = {{"12.3", "12-3", 0}, {"12-0", "12", 0}, {"12-11", "", 122}, {"3201", "", 97}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.typed);
        prompter.clear();
        document->show.ics.cell(2, 1).clear();
        goToChannel(2, 1);
        QTest::keyClicks(icGrid(), QString(QLatin1Char(c.typed[0])));
        ASSERT_TRUE(box->isVisible());
        QTest::keyClicks(box, QLatin1String(c.typed + 1));
        QTest::keyClick(box, Qt::Key_Return);
        EXPECT_FALSE(box->isVisible());
        EXPECT_EQ(icOnScreen(2, 1), QLatin1String(c.stored));
        if (c.warning) {
            ASSERT_EQ(prompter.count(ScriptedPrompter::Kind::Warning), 1);
            EXPECT_TRUE(prompter.shown().last().text.startsWith(text(c.warning)));
        } else {
            EXPECT_TRUE(prompter.shown().isEmpty());
        }
    }
}

TEST_F(EditingScenario, TheKeyDialogTurnsAChannelIntoAKeyKeepingItsLevel) {
    goToChannel(1, 2);
    onModal([](QWidget* dialog) {
        EXPECT_EQ(dialog->objectName(), "frmKeys");
        QTest::keyClick(dialog, Qt::Key_A); // ignored
        QTest::keyClick(dialog, Qt::Key_4);
    });
    QTest::keyClick(icGrid(), Qt::Key_K);
    EXPECT_EQ(icOnScreen(1, 2), "K 4-3");
    EXPECT_TRUE(document->show.state.ShowChanged);
}

TEST_F(EditingScenario, EnterOnAKeyChannelOpensTheKeyDialogInAManualShowToo) {
    window->startNewShow(ManualShow);
    document->show.ics.cell(1, 2) = "K 4-3";
    goToChannel(1, 2);
    const auto opened = std::make_shared<QString>();
    onModal([opened](QWidget* dialog) {
        *opened = dialog->objectName();
        QTest::keyClick(dialog, Qt::Key_7);
    });
    QTest::keyClick(icGrid(), Qt::Key_Return);
    settle();
    EXPECT_EQ(*opened, "frmKeys");
    EXPECT_EQ(document->show.ics.cell(1, 2), "K 7-3");
}

TEST_F(EditingScenario, TheSortFromTheToolbarAsksAndRenumbers) {
    document->show.cues.row(2).TimeText = "00:00:09:00";
    prompter.answer({true});
    window->action("CUES_SORT")->trigger();
    settle();
    EXPECT_EQ(prompter.shown().last().text, text(120));
    EXPECT_EQ(document->show.cues.row(3).Description, "cue 2");
    EXPECT_EQ(icOnScreen(1, 2), "3-3");
    EXPECT_EQ(icOnScreen(1, 3), "2");
    EXPECT_FALSE(document->show.state.SortPending);
    EXPECT_EQ(window->statusPanel(1), "");
}

TEST_F(EditingScenario, TheTimeShiftDialogShiftsTheSelectedCues) {
    goToCue(2);
    onModal([this](QWidget* dialog) {
        EXPECT_EQ(dialog->objectName(), "frm_Zeitverschiebung_ALL");
        auto* seconds = dialog->findChild<QLineEdit*>("TextTime_2");
        QTest::keyClicks(seconds, "75");
        EXPECT_EQ(seconds->text(), "59");
        prompter.answer({true});
        dialog->findChild<QPushButton*>("OKButton")->click();
    });
    window->action("TimeChangeAll")->trigger();
    settle(200);
    EXPECT_EQ(document->show.cues.row(2).TimeText, "00:01:01.00");
    EXPECT_EQ(document->show.cues.row(1).TimeText, "00:00:01:00");
    EXPECT_TRUE(document->show.state.ShowChanged);
    EXPECT_TRUE(document->show.state.SortPending);
}

TEST_F(EditingScenario, CopyEnablesSwapAndInsertOpensTheBoxOnTheNewCue) {
    goToCue(2);
    EXPECT_FALSE(window->action("CUES_TAUSCH")->isEnabled());
    QTest::keyClick(cueGrid(), Qt::Key_C, Qt::ControlModifier);
    EXPECT_TRUE(window->action("CUES_TAUSCH")->isEnabled());
    EXPECT_TRUE(window->action("mnukeyEditCUETausch")->isEnabled());

    QTest::keyClick(cueGrid(), Qt::Key_Insert);
    EXPECT_TRUE(find<InputBox>("txt_Eingabe")->isVisible());
    EXPECT_EQ(document->show.cues.row(3).Description, "cue 2");
    EXPECT_EQ(icOnScreen(1, 2), "3-3");
    QTest::keyClick(find<InputBox>("txt_Eingabe"), Qt::Key_Escape);
}

} // namespace
