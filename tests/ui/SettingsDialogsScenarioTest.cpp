// The language, options, directory and about dialogs.
#include "UiTestSupport.h"
#include "editor/ui/EditorWindow.h"
#include "editor/ui/InputBox.h"
#include "editor/ui/ShowGridView.h"
#include "fakes/QtPrinters.h"
#include "settings/ui/LanguageDialog.h"
#include "settings/ui/OptionsDialog.h"
#include "settings/ui/PathDialog.h"
#include "ui/ColourValue.h"

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTimer>
#include <QTreeWidget>

using namespace zyn;
using namespace zyn::test;

namespace {

using SettingsDialogsScenario = UiTest;

TEST_F(SettingsDialogsScenario, ALanguageChangeTranslatesStopLabelsAndHeadings) {
    const QString englishTimed = text(225);
    document->show.cues.row(1).TimeText = text(224);
    document->show.cues.row(2).TimeText = englishTimed + " #3";
    document->show.cues.row(3).TimeText = "00:00:03:00";
    LanguageDialog dialog(*document, window.get());
    auto* languages = child<QComboBox>(dialog, "ImageCombo1");
    ASSERT_GE(languages->findText("Deutsch"), 0);
    EXPECT_EQ(languages->currentText(), "English");
    languages->setCurrentIndex(languages->findText("Deutsch"));
    child<QPushButton>(dialog, "OKButton")->click();

    EXPECT_EQ(document->settings().languageName, "Deutsch");
    EXPECT_NE(text(225), englishTimed);
    EXPECT_EQ(document->show.cues.row(1).TimeText, text(224));
    EXPECT_EQ(document->show.cues.row(2).TimeText, text(225) + " #3");
    EXPECT_EQ(document->show.cues.row(3).TimeText, "00:00:03:00");
    auto* cues = find<ShowGridView>("MSHFlexGrid_Time");
    EXPECT_EQ(cues->model()->headerData(0, Qt::Horizontal).toString(), text(11));
    EXPECT_EQ(cues->cornerText(), text(15));
    EXPECT_EQ(window->action("mnukeyDatei")->text(), text(17));
}

TEST_F(SettingsDialogsScenario, CancellingTheLanguageDialogChangesNothing) {
    document->show.cues.row(1).TimeText = text(224);
    const QString before = text(224);
    LanguageDialog dialog(*document, window.get());
    auto* languages = child<QComboBox>(dialog, "ImageCombo1");
    languages->setCurrentIndex(languages->findText("Deutsch"));
    child<QPushButton>(dialog, "CancelButton")->click();
    EXPECT_EQ(document->settings().languageName, "English");
    EXPECT_EQ(document->show.cues.row(1).TimeText, before);
}

TEST_F(SettingsDialogsScenario, OptionsTakeEffectOnlyOnOk) {
    const Settings before = document->settings();
    {
        OptionsDialog dialog(*document, window.get());
        child<QCheckBox>(dialog, "CheckDelete")->setChecked(false);
        child<QTreeWidget>(dialog, "ListePfade")->topLevelItem(0)->setText(1, "/shows");
        child<QPushButton>(dialog, "cmdCancel")->click();
    }
    EXPECT_EQ(document->settings(), before);

    // Through the menu command, so the editor's boxes are wired as in use.
    QTimer::singleShot(0, [&] {
        auto* dialog = qobject_cast<OptionsDialog*>(QApplication::activeModalWidget());
        ASSERT_NE(dialog, nullptr);
        dialog->setColourChooser(
            [](const QColor&) { return std::optional<QColor>(QColor(10, 20, 30)); });
        child<QCheckBox>(*dialog, "CheckDelete")->setChecked(false);
        child<QPushButton>(*dialog, "CommandDelete")->click();
        child<QAbstractButton>(*dialog, "Picture_Color")->click();
        EXPECT_EQ(dialog->colourValue(), ColourValue::fromColour(QColor(10, 20, 30)));
        child<QPushButton>(*dialog, "cmdOK")->click();
    });
    window->ExecuteCommand("keyExtraOptionen");
    EXPECT_FALSE(document->settings().askBeforeDelete);
    EXPECT_EQ(document->settings().projectDirectory, "");
    EXPECT_EQ(document->settings().inputBackColour, 0x1E140A);
    EXPECT_EQ(find<InputBox>("txt_Eingabe")->palette().color(QPalette::Base), QColor(10, 20, 30));
}

TEST_F(SettingsDialogsScenario, OriginalAndRestoreSetTheColourBox) {
    changeSettings([](Settings& settings) { settings.inputBackColour = 0x00FF00; });
    OptionsDialog dialog(*document, window.get());
    dialog.findChild<QAction*>("ORIGINAL")->trigger();
    EXPECT_EQ(dialog.colourValue(), Settings::WindowBackgroundColour);
    dialog.findChild<QAction*>("RESTORE")->trigger();
    EXPECT_EQ(dialog.colourValue(), 0x00FF00);
}

TEST_F(SettingsDialogsScenario, TheFolderChooserNeverTakesAFolderThatCannotBeEntered) {
    QDir(path("shows")).mkpath(".");
    PathDialog dialog(*document, "Projects", path("shows"));
    EXPECT_EQ(dialog.path(), QDir::toNativeSeparators(path("shows")));
    EXPECT_FALSE(dialog.enter(path("no such folder")));
    EXPECT_EQ(dialog.path(), QDir::toNativeSeparators(path("shows")));

    PathDialog gone(*document, "Projects", path("vanished/long ago"));
    EXPECT_FALSE(gone.path().isEmpty());
    EXPECT_TRUE(QFileInfo(gone.path()).isDir());
}

} // namespace
