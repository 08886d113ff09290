// The findings window, the check before every transfer and its option.
#include "UiTestSupport.h"
#include "check/CheckRule.h"
#include "check/CheckTextId.h"
#include "check/ui/CheckWindow.h"
#include "editor/EditResult.h"
#include "editor/ui/EditorCommands.h"
#include "editor/ui/EditorWindow.h"
#include "editor/ui/ShowGridView.h"
#include "settings/CheckSettings.h"

#include <QApplication>
#include <QDialog>
#include <QLineEdit>
#include <QPushButton>
#include <QTreeWidget>

using namespace zyn;
using namespace zyn::test;

namespace {

class ShowCheckScenario : public UiTest {
protected:
    void SetUp() override {
        UiTest::SetUp();
        document->show.cues.row(1).TimeText = "00:00:05:00";
        document->show.ics.cell(1, 1) = "1";
    }

    // Runs a command and names the modal dialog it opened ("" for none),
    // closing that dialog again.
    QString modalOpenedBy(const QString& command) {
        QString opened;
        QTimer::singleShot(0, [&] {
            if (auto* dialog = qobject_cast<QDialog*>(QApplication::activeModalWidget())) {
                opened = dialog->objectName();
                dialog->reject();
            }
        });
        window->ExecuteCommand(command);
        settle();
        return opened;
    }

    CheckWindow* findings() const { return find<CheckWindow>("frmCheck"); }
    QTreeWidget* list() const { return findings()->findChild<QTreeWidget*>("lstFindings"); }

    void doubleClick(int row) {
        QTreeWidget* view = list();
        const QPoint centre = view->visualItemRect(view->topLevelItem(row)).center();
        QTest::mouseClick(view->viewport(), Qt::LeftButton, {}, centre);
        QTest::mouseDClick(view->viewport(), Qt::LeftButton, {}, centre);
    }
};

TEST_F(ShowCheckScenario, AnErrorShowsTheFindingsAndNoTransferOpens) {
    document->show.ics.cell(3, 4) = "1-11";
    for (const char* command :
         {"keyTransferController", "keyTransferUSBDrive", "keyTransferPCMKarte"}) {
        SCOPED_TRACE(command);
        prompter.clear();
        EXPECT_EQ(modalOpenedBy(QLatin1String(command)), "");
        ASSERT_NE(findings(), nullptr);
        EXPECT_TRUE(findings()->isVisible());
        ASSERT_EQ(list()->topLevelItemCount(), 1);
        EXPECT_EQ(findings()->findings()[0].rule, CheckRule::LevelOutOfRange);
        ASSERT_EQ(prompter.shown().size(), 1);
        EXPECT_EQ(prompter.shown()[0].kind, ScriptedPrompter::Kind::Warning);
        EXPECT_EQ(QGuiApplication::overrideCursor(), nullptr);
    }
}

TEST_F(ShowCheckScenario, WarningsAskAndOnlyYesOpensTheTransfer) {
    // Cue 7 has no time, so its channel never fires.
    document->show.ics.cell(2, 2) = "7";
    const struct {
        bool answer;
        QString dialog;
    } cases[] = {{false, ""}, {true, "frmTransferToUSBDrive"}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.answer);
        prompter.clear();
        prompter.answer({c.answer});
        EXPECT_EQ(modalOpenedBy("keyTransferUSBDrive"), c.dialog);
        EXPECT_TRUE(prompter.scriptUsedUp());
        ASSERT_NE(findings(), nullptr);
        ASSERT_EQ(list()->topLevelItemCount(), 1);
        EXPECT_EQ(findings()->findings()[0].rule, CheckRule::ChannelOnUntimedCue);
    }

    // A clean show goes straight on, without a question.
    document->show.ics.cell(2, 2).clear();
    prompter.clear();
    EXPECT_EQ(modalOpenedBy("keyTransferUSBDrive"), "frmTransferToUSBDrive");
    EXPECT_TRUE(prompter.shown().isEmpty());
}

TEST_F(ShowCheckScenario, DoubleClickPutsTheCurrentCellOnThePlaceAndTheListFollowsTheDocument) {
    document->show.ics.cell(3, 4) = "1-11";
    document->show.cues.row(40).TimeText = "00:01:00:00";
    window->ExecuteCommand("keyExtraCheck");
    settle();
    ASSERT_NE(findings(), nullptr);
    ASSERT_EQ(list()->topLevelItemCount(), 2);
    ASSERT_EQ(findings()->findings()[1].rule, CheckRule::TimedCueWithoutChannels);

    doubleClick(1);
    EXPECT_EQ(window->editor().cueGrid().currentIndex().row(), 39);
    doubleClick(0);
    const QModelIndex cell = window->editor().icGrid().currentIndex();
    EXPECT_EQ(std::pair(cell.row(), cell.column()), std::pair(2, 3));

    window->editor().commands().record([&] {
        document->show.ics.cell(3, 4) = "40-5";
        EditResult result;
        result.changed = true;
        result.icCells = {3, 3, 4, 4};
        return result;
    });
    settle();
    EXPECT_EQ(list()->topLevelItemCount(), 0);
    window->ExecuteCommand("keyEditUndo");
    settle(100);
    EXPECT_EQ(list()->topLevelItemCount(), 2);

    const QString englishCaption = findings()->windowTitle();
    document->changeLanguage(QStringLiteral("Deutsch"));
    EXPECT_NE(findings()->windowTitle(), englishCaption);
    EXPECT_EQ(findings()->windowTitle(), text(CheckTextId::WindowCaption));
}

TEST_F(ShowCheckScenario, TheModuleGapOptionRefusesABadValueAndSavesAGoodOne) {
    // Module 1 fires again 100 ms later.
    document->show.cues.row(2).TimeText = "00:00:05:10";
    document->show.ics.cell(1, 2) = "2";
    QTimer::singleShot(0, [&] {
        QWidget* dialog = QApplication::activeModalWidget();
        ASSERT_NE(dialog, nullptr);
        auto* gap = dialog->findChild<QLineEdit*>("txtModuleGap");
        auto* ok = dialog->findChild<QPushButton*>("cmdOK");
        ASSERT_TRUE(gap && ok);
        EXPECT_EQ(gap->text(), "0");
        gap->clear();
        ok->click();
        EXPECT_TRUE(dialog->isVisible());
        EXPECT_EQ(prompter.count(ScriptedPrompter::Kind::Warning), 1);
        gap->setText("250");
        ok->click();
    });
    window->ExecuteCommand("keyExtraOptionen");
    EXPECT_EQ(CheckSettings::read(document->home.checkSettingsPath()).settings.moduleGapMs, 250);

    window->ExecuteCommand("keyExtraCheck");
    settle();
    ASSERT_EQ(list()->topLevelItemCount(), 1);
    EXPECT_EQ(findings()->findings()[0].rule, CheckRule::ModuleGap);
}

} // namespace
