// Typing into the editor's grids, as a user does, through the real windows.
#include "UiTestSupport.h"
#include "editor/ui/CueGridModel.h"
#include "editor/ui/EditorWindow.h"
#include "editor/ui/InputBox.h"
#include "editor/ui/ShowGridView.h"
#include "fakes/QtPrinters.h"

using namespace zyn;
using namespace zyn::test;

namespace {

class CellInputScenario : public UiTest {
protected:
    ShowGridView* cueGrid() { return find<ShowGridView>("MSHFlexGrid_Time"); }
    InputBox* cueBox() { return find<InputBox>("txt_Eingabe"); }

    void goToCue(int row, int column = CueGridModel::TimeColumn) {
        cueGrid()->setFocus();
        cueGrid()->setCurrentIndex(cueGrid()->model()->index(row - 1, column));
    }

    void type(QWidget* widget, const QString& keys) { QTest::keyClicks(widget, keys); }
    void enter(QWidget* widget) { QTest::keyClick(widget, Qt::Key_Return); }

    const CueRow& cue(int row) const { return document->show.cues.row(row); }
};

TEST_F(CellInputScenario, TypedDigitsAndEnterStoreATimeCode) {
    goToCue(1);
    type(cueGrid(), "1");
    type(cueBox(), "234");
    enter(cueBox());
    EXPECT_EQ(cue(1).TimeText, "00:00:12:34");
    EXPECT_FALSE(cueBox()->isVisible());
    EXPECT_FALSE(document->show.state.InputActive);
    EXPECT_TRUE(document->show.state.ShowChanged);
    EXPECT_TRUE(document->show.state.SortPending);
    EXPECT_TRUE(cueGrid()->hasFocus());
    EXPECT_FALSE(cueGrid()->isFrozen());
}

TEST_F(CellInputScenario, AnImpossibleTimeIsRefusedAndTheBoxStaysOpen) {
    goToCue(2);
    type(cueGrid(), "2");
    type(cueBox(), "5:00:00:00");
    enter(cueBox());
    ASSERT_EQ(prompter.count(ScriptedPrompter::Kind::Warning), 1);
    EXPECT_EQ(prompter.shown().last().text, text(8));
    EXPECT_EQ(prompter.shown().last().title, text(10));
    EXPECT_TRUE(cueBox()->isVisible());
    EXPECT_EQ(cueBox()->text(), "25:00:00:00");
    EXPECT_EQ(cue(2).TimeText, "");
    EXPECT_TRUE(document->show.state.InputActive);
}

TEST_F(CellInputScenario, EscDropsTheEntry) {
    goToCue(3, CueGridModel::DescriptionColumn);
    type(cueGrid(), "F");
    type(cueBox(), "inale");
    QTest::keyClick(cueBox(), Qt::Key_Escape);
    EXPECT_FALSE(cueBox()->isVisible());
    EXPECT_EQ(cue(3).Description, "");
    EXPECT_FALSE(document->show.state.InputActive);
    EXPECT_FALSE(document->show.state.ShowChanged);
}

TEST_F(CellInputScenario, LettersOpenTheDescriptionKeepingCaseAndUnderscores) {
    goToCue(4, CueGridModel::DescriptionColumn);
    QTest::keyClick(cueGrid(), Qt::Key_R, Qt::ShiftModifier);
    type(cueBox(), "ed_comet");
    enter(cueBox());
    EXPECT_EQ(cue(4).Description, "Red_comet");
}

TEST_F(CellInputScenario, LeavingTheBoxAsksBeforeKeepingTheEntry) {
    goToCue(6, CueGridModel::DescriptionColumn);
    type(cueGrid(), "a");
    prompter.answer({false});
    find<ShowGridView>("MSHFlexGrid_Slave")->setFocus();
    EXPECT_EQ(prompter.count(ScriptedPrompter::Kind::Question), 1);
    EXPECT_EQ(prompter.shown().last().text, text(1));
    EXPECT_EQ(cue(6).Description, "");
    EXPECT_FALSE(document->show.state.InputActive);

    changeSettings([](Settings& settings) { settings.askBeforeInput = false; });
    prompter.clear();
    goToCue(6, CueGridModel::DescriptionColumn);
    type(cueGrid(), "b");
    find<ShowGridView>("MSHFlexGrid_Slave")->setFocus();
    EXPECT_TRUE(prompter.shown().isEmpty());
    EXPECT_EQ(cue(6).Description, "b");
}

TEST_F(CellInputScenario, ACharacterAFileCannotStoreIsNotTyped) {
    goToCue(7, CueGridModel::DescriptionColumn);
    type(cueGrid(), "x");
    cueBox()->insert(QString::fromUtf16(u"\u4e2d"));
    enter(cueBox());
    EXPECT_EQ(cue(7).Description, "x");
}

TEST_F(CellInputScenario, MenuCommandsWaitWhileABoxIsOpen) {
    goToCue(1);
    type(cueGrid(), "5");
    document->show.state.ShowChanged = true;
    window->ExecuteCommand("keyDateiNew");
    window->ExecuteCommand("keyEditCUESort");
    EXPECT_TRUE(prompter.shown().isEmpty());
    EXPECT_EQ(document->show.state.PendingCommand, "");
    EXPECT_TRUE(cueBox()->isVisible());
}

TEST_F(CellInputScenario, RightAndLeftArrowsMoveBetweenTimeAndDescription) {
    goToCue(9);
    QTest::keyClick(cueGrid(), Qt::Key_Right);
    EXPECT_EQ(cueGrid()->currentIndex().column(), CueGridModel::DescriptionColumn);
    QTest::keyClick(cueGrid(), Qt::Key_Left);
    EXPECT_EQ(cueGrid()->currentIndex().column(), CueGridModel::TimeColumn);
    EXPECT_EQ(cueGrid()->currentIndex().row(), 8);
}

} // namespace
