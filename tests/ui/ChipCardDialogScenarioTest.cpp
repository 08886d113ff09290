// The chip-card dialog over the emulated card file: opening it by its key,
// the write and its check, stopping it, the status poll and the test buttons.
#include "UiTestSupport.h"
#include "fakes/QtPrinters.h"
#include "platform/EmulatedCardReader.h"
#include "transfer/CardImage.h"
#include "transfer/CardTextId.h"
#include "transfer/ui/ChipCardDialog.h"

#include <QApplication>
#include <QComboBox>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QTimer>

using namespace zyn;
using namespace zyn::test;

namespace {

constexpr int WriteWaitMs = 30000; // a hung write, not a slow one

class ChipCardScenario : public UiTest {
protected:
    void SetUp() override {
        UiTest::SetUp();
        Show& show = document->show;
        show.cues.row(1).TimeText = "00:01:23:15";
        show.cues.row(2).TimeText = text(224);
        show.ics.cell(1, 1) = "12-3";
        show.ics.cell(2, 1) = "7";
        show.ics.cell(1, 2) = "K 4-2";
    }

    // The dialog over the emulated card file of the program directory.
    std::unique_ptr<ChipCardDialog> openOnEmulatedCard() {
        auto dialog = std::make_unique<ChipCardDialog>(*document, window.get());
        dialog->show();
        child<QComboBox>(*dialog, "cboReader")->setCurrentIndex(1);
        EXPECT_EQ(child<QLabel>(*dialog, "lblReader")->text(), cardPath());
        return dialog;
    }

    QString cardPath() const { return EmulatedCardReader::defaultPath(document->home.path()); }

    QByteArray card() const {
        QFile file(cardPath());
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    }

    static QString log(QWidget& dialog) {
        return child<QPlainTextEdit>(dialog, "Label1")->toPlainText();
    }

    static void click(QWidget& dialog, const char* name) {
        QTest::mouseClick(child<QPushButton>(dialog, name), Qt::LeftButton);
    }

    static bool waitForWriteEnd(const ChipCardDialog& dialog) {
        return QTest::qWaitFor([&] { return !dialog.isWriting(); }, WriteWaitMs);
    }
};

TEST_F(ChipCardScenario, CtrlShiftKOpensTheDialogOnThePcscReader) {
    window->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(window.get()));
    bool reached = false;
    QTimer::singleShot(0, [&] {
        auto* dialog = qobject_cast<ChipCardDialog*>(QApplication::activeModalWidget());
        ASSERT_NE(dialog, nullptr);
        reached = true;
        EXPECT_EQ(dialog->objectName(), "frmTransferToChipDrive");
        EXPECT_EQ(dialog->windowTitle(), text(CardTextId::Caption));
        EXPECT_EQ(child<QComboBox>(*dialog, "cboReader")->currentText(),
                  text(CardTextId::PcscReader));
        EXPECT_EQ(dialog->reader().kind(), CardReader::Kind::Pcsc);
        EXPECT_EQ(child<QProgressBar>(*dialog, "ProgressBar")->value(), 9600);
        EXPECT_EQ(log(*dialog), "Data");
        EXPECT_EQ(QGuiApplication::overrideCursor(), nullptr);
        click(*dialog, "cmd_Close");
    });
    // The show's channels on untimed cues are warnings of the check before a transfer.
    prompter.answer({true});
    QTest::keyClick(window.get(), Qt::Key_K, Qt::ControlModifier | Qt::ShiftModifier);
    EXPECT_TRUE(reached);
}

TEST_F(ChipCardScenario, AWriteLeavesTheShowOnTheCardAndEndsWithTheCheck) {
    auto dialog = openOnEmulatedCard();
    click(*dialog, "cmd_Data_Write");
    EXPECT_FALSE(child<QPushButton>(*dialog, "cmd_Data_Write")->isEnabled());
    ASSERT_TRUE(waitForWriteEnd(*dialog));

    EXPECT_EQ(card().first(CardImage::Size), CardImage::build(document->show).bytes);
    EXPECT_TRUE(log(*dialog).startsWith(text(166) + "......\n" + text(167) + "......\n"));
    EXPECT_TRUE(log(*dialog).endsWith("......\n" + text(170) + "\n" + text(306)))
        << log(*dialog).toStdString();
    EXPECT_EQ(child<QProgressBar>(*dialog, "ProgressBar")->value(), 9600);
    EXPECT_TRUE(child<QPushButton>(*dialog, "cmd_Data_Write")->isEnabled());
    EXPECT_EQ(QGuiApplication::overrideCursor(), nullptr);
}

TEST_F(ChipCardScenario, TheCloseButtonOnlyStopsAWriteAndTheCardStaysWithoutEndBlock) {
    auto dialog = openOnEmulatedCard();
    ASSERT_TRUE(child<QPushButton>(*dialog, "cmd_Data_Write")->isEnabled());
    click(*dialog, "cmd_Data_Write");
    click(*dialog, "cmd_Close");
    ASSERT_TRUE(waitForWriteEnd(*dialog));
    EXPECT_TRUE(dialog->isVisible());
    EXPECT_TRUE(log(*dialog).endsWith(text(CardTextId::WriteStopped)));
    EXPECT_NE(card().mid(CardImage::EndBlockAddress, 4), QByteArray::fromHex("00000001"));
    click(*dialog, "cmd_Close");
    EXPECT_FALSE(dialog->isVisible());
}

TEST_F(ChipCardScenario, ClosingTheWindowDuringAWriteStopsItFirst) {
    auto dialog = openOnEmulatedCard();
    click(*dialog, "cmd_Data_Write");
    dialog->reject();
    EXPECT_TRUE(dialog->isVisible());
    ASSERT_TRUE(QTest::qWaitFor([&] { return !dialog->isVisible(); }, WriteWaitMs));
    EXPECT_FALSE(dialog->isWriting());
    EXPECT_EQ(QGuiApplication::overrideCursor(), nullptr);
}

TEST_F(ChipCardScenario, ThePollOffersTheMemoryTestsWhoseRepliesFillTheLog) {
    auto dialog = openOnEmulatedCard();
    auto* status = child<QLabel>(*dialog, "LabelSt");
    ASSERT_TRUE(QTest::qWaitFor([&] { return status->text() != "-"; }, 2000));
    EXPECT_EQ(status->text(), "<active> <" + EmulatedCardReader::TypeName + ">");
    EXPECT_FALSE(child<QPushButton>(*dialog, "Command7")->isEnabled());
    ASSERT_TRUE(child<QPushButton>(*dialog, "Command8b")->isEnabled());

    child<QPlainTextEdit>(*dialog, "Text4")->setPlainText("abc");
    click(*dialog, "Command8b");
    EXPECT_EQ(log(*dialog), "OK");
    EXPECT_EQ(card().first(4), QByteArray("abc") + '\0');
    click(*dialog, "Command8a");
    EXPECT_EQ(log(*dialog), "abc");

    child<QLineEdit>(*dialog, "Text2")->setText("not hex");
    child<QPlainTextEdit>(*dialog, "Text4")->setPlainText("xyz");
    click(*dialog, "Command8b");
    EXPECT_TRUE(log(*dialog).startsWith("ERROR: 80100004 ")) << log(*dialog).toStdString();
    EXPECT_EQ(card().first(4), QByteArray("abc") + '\0');

    click(*dialog, "Command4b"); // Text3 holds 0: the one emulated reader
    EXPECT_EQ(log(*dialog), "OK");
    click(*dialog, "Command7");
    EXPECT_EQ(log(*dialog), "OK"); // disabled for a memory card: nothing sent
}

} // namespace
