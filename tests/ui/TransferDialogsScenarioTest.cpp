// The serial transfer dialog against an emulated controller on a
// pseudo-terminal, and the drive dialog writing into test folders.
#include "UiTestSupport.h"
#include "fakes/ControllerEmulator.h"
#include "fakes/QtPrinters.h"
#include "platform/EmulatedCardReader.h"
#include "platform/qt/SerialPortList.h"
#include "transfer/DriveExport.h"
#include "transfer/TableBuilder.h"
#include "transfer/ui/ChipCardDialog.h"
#include "transfer/ui/ControllerTransferDialog.h"
#include "transfer/ui/DriveTransferDialog.h"
#include "ui/IconSet.h"

#include <QApplication>
#include <QComboBox>
#include <QDir>
#include <QEventLoop>
#include <QFile>
#include <QLabel>
#include <QListWidget>
#include <QProgressBar>
#include <QPushButton>
#include <QTimer>
#include <algorithm>
#include <functional>
#include <thread>

using namespace zyn;
using namespace zyn::test;
using Emulator = ControllerEmulator;

namespace {

const QByteArray ReadRequest = QByteArray::fromHex("B109BA");
constexpr int ResultWaitMs = 30000; // a hung exchange, not a slow one

class TransferDialogsScenario : public UiTest {
protected:
    void SetUp() override {
        UiTest::SetUp();
        Show& show = document->show;
        show.cues.row(1).TimeText = "00:00:05:00";
        show.cues.row(2).TimeText = text(224);
        show.cues.row(3).TimeText = "00:01:23:15";
        show.ics.cell(2, 3) = "1-7";
        show.ics.cell(1, 16) = "3";
        show.ics.cell(1, 1) = "K 4-2";
    }

    void TearDown() override {
        qunsetenv(SerialPortList::EnvironmentVariable);
        UiTest::TearDown();
    }

    static void usePorts(const QStringList& devices) {
        qputenv(SerialPortList::EnvironmentVariable, devices.join(u',').toLocal8Bit());
    }

    QByteArray table() const {
        const TableBuilder::Result built =
            TableBuilder(document->texts().stopLabels()).build(document->show);
        EXPECT_TRUE(built.ok());
        return built.table.bytes();
    }

    // Runs a menu command whose modal dialog `drive` works in, then closes.
    void inModalDialog(const QString& command, const std::function<void(QDialog&)>& drive) {
        bool reached = false;
        QTimer::singleShot(0, [&] {
            auto* dialog = qobject_cast<QDialog*>(QApplication::activeModalWidget());
            ASSERT_NE(dialog, nullptr);
            reached = true;
            drive(*dialog);
            if (dialog->isVisible())
                QTest::mouseClick(child<QPushButton>(*dialog, "cmd_Close"), Qt::LeftButton);
        });
        window->ExecuteCommand(command);
        EXPECT_TRUE(reached) << command.toStdString();
    }

    // Runs the event loop until the condition holds. QTest::qWaitFor sleeps
    // between its turns, which would stretch thousands of exchanges to minutes.
    static bool waitUntil(const std::function<bool()>& condition, int ms = ResultWaitMs) {
        QEventLoop loop;
        QTimer poll;
        QObject::connect(&poll, &QTimer::timeout, &loop, [&] {
            if (condition())
                loop.quit();
        });
        poll.start(5);
        QTimer::singleShot(ms, &loop, &QEventLoop::quit);
        if (!condition())
            loop.exec();
        return condition();
    }

    static bool awaitResult(QWidget& dialog) {
        auto* result = child<QLabel>(dialog, "lbl_Desc");
        return waitUntil([result] { return !result->text().isEmpty(); });
    }

    static QImage pixmapOf(QWidget& dialog) {
        return child<QLabel>(dialog, "Image_COM")->pixmap().toImage();
    }
    static QImage iconImage(const char* key) {
        return IconSet::icon(QLatin1String(key)).pixmap(32).toImage();
    }

    static VolumeList::Volume volume(const QString& root, bool removable) {
        return {root, QFileInfo(root).fileName(), QStringLiteral("/dev/test"), removable, false};
    }

    static QByteArray readFile(const QString& path) {
        QFile file(path);
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<missing>");
    }
};

TEST_F(TransferDialogsScenario, TheControllerGetsTheTableAndTheDriveFileEqualsIt) {
    Emulator controller;
    ASSERT_TRUE(controller.isReady()) << controller.error().toStdString();
    usePorts({"/dev/zyn-no-such-port", controller.devicePath()});

    inModalDialog("keyTransferController", [&](QDialog& dialog) {
        EXPECT_EQ(dialog.objectName(), "frmTransferToZYNController");
        EXPECT_EQ(dialog.windowTitle(), text(165));
        ASSERT_TRUE(awaitResult(dialog));
        EXPECT_EQ(child<QLabel>(dialog, "lbl_Desc")->text(), text(159));
        EXPECT_EQ(pixmapOf(dialog), iconImage("COMMOK"));
        EXPECT_EQ(child<QLabel>(dialog, "lbl_COM")->text(),
                  text(157) + " 2 (" + controller.devicePath() + ")");
        auto* progress = child<QProgressBar>(dialog, "ProgressBar1");
        EXPECT_EQ(progress->maximum(), 6401);
        EXPECT_EQ(progress->value(), 6400);
        // The result waits for the user under a normal pointer, though the
        // command that opened the dialog shows the busy one.
        EXPECT_EQ(QGuiApplication::overrideCursor(), nullptr);
    });
    EXPECT_EQ(QGuiApplication::overrideCursor(), nullptr);
    const QByteArray sent = controller.received();
    EXPECT_TRUE(sent == ReadRequest + table());

    // The drive file carries the same bytes without the request.
    QDir(path("stick")).mkpath(".");
    inModalDialog("keyTransferUSBDrive", [&](QDialog& dialog) {
        auto& drive = static_cast<DriveTransferDialog&>(dialog);
        drive.setVolumeSource([&] { return VolumeList({volume(path("stick"), true)}); });
        QTest::mouseClick(child<QPushButton>(dialog, "cmd_Write"), Qt::LeftButton);
        ASSERT_TRUE(awaitResult(dialog));
        EXPECT_EQ(child<QLabel>(dialog, "lbl_Desc")->text(), text(159));
    });
    EXPECT_TRUE(readFile(DriveExport::filePath(path("stick"))) == sent.mid(ReadRequest.size()));
}

TEST_F(TransferDialogsScenario, EveryFailureShowsItsTextAndTheErrorIcon) {
    const struct {
        const char* name;
        Emulator::Behaviour behaviour;
        bool portListed;
        const char* cell; // put on slave 3, channel 5
        QString port;     // lbl_COM; "#" stands for the device
        int result;
        QString detail;
        int progress;
        qsizetype bytesSent; // -1: every byte of the table
    } cases[] = {
        {"no port answers", {}, false, "", text(157) + text(158), 160, "", 0, 0},
        {"first unit not acknowledged",
         {.faultyUnit = 1},
         true,
         "",
         text(157) + " 1 (#)",
         161,
         "",
         0,
         ReadRequest.size() + 8},
        {"wrong final acknowledgement",
         {.final = Emulator::Final::WrongFirstByte},
         true,
         "",
         text(157) + " 1 (#)",
         161,
         "",
         6400,
         -1},
        {"level beyond 10",
         {},
         true,
         "2-11",
         "",
         161,
         "", // the places to correct are listed instead
         0,
         0},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        document->show.ics.cell(3, 5) = QString::fromLatin1(c.cell);
        Emulator controller(c.behaviour);
        ASSERT_TRUE(controller.isReady());
        usePorts({c.portListed ? controller.devicePath() : "/dev/zyn-no-such-port"});
        ControllerTransferDialog dialog(*document, window.get());
        dialog.show();
        ASSERT_TRUE(awaitResult(dialog));
        EXPECT_EQ(child<QLabel>(dialog, "lbl_Desc")->text(), text(c.result));
        EXPECT_EQ(child<QLabel>(dialog, "lbl_Detail")->text(), c.detail);
        EXPECT_EQ(pixmapOf(dialog), iconImage("COMMERROR"));
        EXPECT_EQ(child<QLabel>(dialog, "lbl_COM")->text(),
                  QString(c.port).replace("#", controller.devicePath()));
        EXPECT_EQ(child<QProgressBar>(dialog, "ProgressBar1")->value(), c.progress);
        std::this_thread::sleep_for(std::chrono::milliseconds(50));
        const qsizetype expected =
            c.bytesSent < 0 ? ReadRequest.size() + table().size() : c.bytesSent;
        EXPECT_EQ(controller.received().size(), expected);
        dialog.close();
    }
}

TEST_F(TransferDialogsScenario, CloseDuringTheExchangeStopsItAtOnce) {
    Emulator controller({.lineTiming = true});
    ASSERT_TRUE(controller.isReady());
    usePorts({controller.devicePath()});
    int progressAtClose = 0;
    inModalDialog("keyTransferController", [&](QDialog& dialog) {
        auto* progress = child<QProgressBar>(dialog, "ProgressBar1");
        ASSERT_TRUE(waitUntil([progress] { return progress->value() >= 300; }));
        QTest::mouseClick(child<QPushButton>(dialog, "cmd_Close"), Qt::LeftButton);
        progressAtClose = progress->value();
        EXPECT_FALSE(dialog.isVisible());
        // The dialog still exists for a while: the exchange must have stopped
        // with the click, not only when the dialog is destroyed.
        waitUntil([] { return false; }, 200);
        EXPECT_EQ(progress->value(), progressAtClose);
        EXPECT_EQ(child<QLabel>(dialog, "lbl_Desc")->text(), "");
    });
    const QByteArray atClose = controller.received();
    QTest::qWait(200);
    EXPECT_EQ(controller.received().size(), atClose.size()) << "bytes sent after Close";
    const QByteArray whole = ReadRequest + table();
    EXPECT_LT(atClose.size(), whole.size() / 2);
    EXPECT_TRUE(whole.startsWith(atClose));
    // The unit that was waiting for its acknowledgement is the last one sent.
    EXPECT_LE(controller.unitsAcknowledged(), progressAtClose + 1);
    EXPECT_EQ(QGuiApplication::overrideCursor(), nullptr);
}

TEST_F(TransferDialogsScenario, TheDriveDialogWritesTheChosenVolumeAndRemembersIt) {
    const QString stick = path("stick");
    const QString disk = path("disk");
    QDir().mkpath(stick);
    QDir().mkpath(disk);
    // An older, longer table: none of its bytes may remain.
    QFile old(DriveExport::filePath(disk));
    ASSERT_TRUE(old.open(QIODevice::WriteOnly));
    old.write(QByteArray(40000, '\x55'));
    old.close();
    std::vector<VolumeList::Volume> mounted = {volume(disk, false), volume(stick, true)};
    const auto source = [&] { return VolumeList(mounted); };

    inModalDialog("keyTransferUSBDrive", [&](QDialog& dialog) {
        EXPECT_EQ(dialog.objectName(), "frmTransferToUSBDrive");
        EXPECT_EQ(dialog.windowTitle(), text(173));
        static_cast<DriveTransferDialog&>(dialog).setVolumeSource(source);
        auto* drives = child<QComboBox>(dialog, "DriveAuswahl");
        ASSERT_EQ(drives->count(), 2);
        EXPECT_EQ(drives->itemData(0).toString(), stick); // removable volumes first
        EXPECT_EQ(drives->itemText(0), "stick  (" + QDir::toNativeSeparators(stick) + ")");
        EXPECT_EQ(child<QLabel>(dialog, "Label_USBDrive")->text(), "");
        drives->setCurrentIndex(1);
        QTest::mouseClick(child<QPushButton>(dialog, "cmd_Write"), Qt::LeftButton);
        ASSERT_TRUE(awaitResult(dialog));
        EXPECT_EQ(child<QLabel>(dialog, "lbl_Desc")->text(), text(159));
        EXPECT_EQ(pixmapOf(dialog), iconImage("COMMOK"));
        EXPECT_EQ(child<QProgressBar>(dialog, "ProgressBar1")->value(), 6400);
    });
    EXPECT_EQ(document->settings().usbDrive, disk);
    EXPECT_TRUE(readFile(DriveExport::filePath(disk)) == table());
    EXPECT_EQ(QDir(disk).entryList(QDir::Files | QDir::Hidden), QStringList{"ZYN600TE.BIN"});
    EXPECT_EQ(QDir(stick).entryList(QDir::Files | QDir::Hidden), QStringList{});

    // Reopened, the dialog offers that volume again; gone, it says so.
    for (const bool present : {true, false}) {
        SCOPED_TRACE(present);
        if (!present)
            mounted.erase(mounted.begin());
        DriveTransferDialog dialog(*document, window.get());
        dialog.setVolumeSource(source);
        auto* drives = child<QComboBox>(dialog, "DriveAuswahl");
        EXPECT_EQ(drives->currentData().toString(), present ? disk : stick);
        EXPECT_EQ(child<QLabel>(dialog, "Label_USBDrive")->text(),
                  present ? text(175) + " " + QDir::toNativeSeparators(disk) : text(176));
    }
}

TEST_F(TransferDialogsScenario, EveryRefusedPlaceIsListedUnderTheFailureText) {
    document->show.ics.cell(3, 4) = "5-11";
    document->show.ics.cell(3, 5) = "6-300";
    const QString place = text(13) + " 3, " + text(14) + " %1: \"%2\"";
    const QStringList places = {place.arg(4).arg("5-11"), place.arg(5).arg("6-300")};
    const QString stick = path("stick");
    QDir().mkpath(stick);
    const QString card = EmulatedCardReader::defaultPath(document->home.path());
    const struct {
        const char* name;
        std::function<std::unique_ptr<QDialog>()> refuse;
        QString untouched; // a file the refused dialog must not write
    } cases[] = {
        {"serial",
         [&] {
             usePorts({"/dev/zyn-no-such-port"});
             auto dialog = std::make_unique<ControllerTransferDialog>(*document, window.get());
             dialog->show();
             return dialog;
         },
         ""},
        {"drive",
         [&] {
             auto dialog = std::make_unique<DriveTransferDialog>(*document, window.get());
             dialog->setVolumeSource([&] { return VolumeList({volume(stick, true)}); });
             dialog->show();
             QTest::mouseClick(child<QPushButton>(*dialog, "cmd_Write"), Qt::LeftButton);
             return dialog;
         },
         DriveExport::filePath(stick)},
        {"chip card",
         [&] {
             auto dialog = std::make_unique<ChipCardDialog>(*document, window.get());
             dialog->show();
             child<QComboBox>(*dialog, "cboReader")->setCurrentIndex(1);
             QTest::mouseClick(child<QPushButton>(*dialog, "cmd_Data_Write"), Qt::LeftButton);
             return dialog;
         },
         card},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        const std::unique_ptr<QDialog> dialog = c.refuse();
        ASSERT_TRUE(awaitResult(*dialog));
        EXPECT_EQ(child<QLabel>(*dialog, "lbl_Desc")->text(), text(161));
        EXPECT_EQ(pixmapOf(*dialog), iconImage("COMMERROR"));
        auto* list = child<QListWidget>(*dialog, "lst_Refusals");
        ASSERT_NE(list, nullptr);
        ASSERT_EQ(list->count(), places.size());
        for (int i = 0; i < list->count(); ++i) {
            EXPECT_TRUE(list->item(i)->text().startsWith(text(262)));
            EXPECT_TRUE(list->item(i)->text().endsWith(places[i]))
                << list->item(i)->text().toStdString();
        }
        if (!c.untouched.isEmpty()) {
            EXPECT_FALSE(QFileInfo::exists(c.untouched));
        }
        EXPECT_EQ(QGuiApplication::overrideCursor(), nullptr);
    }
}

TEST_F(TransferDialogsScenario, TheDriveProgressBarMovesUnitByUnitNotInOneJump) {
    QDir().mkpath(path("stick"));
    DriveTransferDialog dialog(*document, window.get());
    dialog.setVolumeSource([&] { return VolumeList({volume(path("stick"), true)}); });
    dialog.show();
    std::vector<int> seen;
    QObject::connect(child<QProgressBar>(dialog, "ProgressBar1"), &QProgressBar::valueChanged,
                     [&seen](int value) { seen.push_back(value); });
    QTest::mouseClick(child<QPushButton>(dialog, "cmd_Write"), Qt::LeftButton);
    ASSERT_TRUE(awaitResult(dialog));
    EXPECT_EQ(child<QLabel>(dialog, "lbl_Desc")->text(), text(159));
    ASSERT_FALSE(seen.empty());
    EXPECT_EQ(seen.back(), 6400);
    EXPECT_EQ(std::adjacent_find(seen.begin(), seen.end(), std::greater_equal<>()), seen.end());
    EXPECT_GE(std::count_if(seen.begin(), seen.end(), [](int v) { return v > 0 && v < 6400; }), 50);
    // Posted in batches: a queued event per unit would flood the event loop.
    EXPECT_LE(seen.size(), 500u);
}

TEST_F(TransferDialogsScenario, AFailedDriveWriteSaysSoAndLeavesNoTableFile) {
    QDir().mkpath(path("plain"));
    QFile notAFolder(path("file"));
    ASSERT_TRUE(notAFolder.open(QIODevice::WriteOnly));
    notAFolder.close();
    const struct {
        const char* name;
        QString root;
        const char* cell; // put on slave 1, channel 2
    } cases[] = {
        {"volume gone", path("unplugged"), ""},
        {"root is no folder", path("file"), ""},
        {"table refused", path("plain"), "7-0.5"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        document->show.ics.cell(1, 2) = QString::fromLatin1(c.cell);
        DriveTransferDialog dialog(*document, window.get());
        dialog.setVolumeSource([&] { return VolumeList({volume(c.root, true)}); });
        dialog.show();
        QTest::mouseClick(child<QPushButton>(dialog, "cmd_Write"), Qt::LeftButton);
        EXPECT_FALSE(child<QPushButton>(dialog, "cmd_Write")->isEnabled()); // one write at a time
        ASSERT_TRUE(awaitResult(dialog));
        EXPECT_EQ(child<QLabel>(dialog, "lbl_Desc")->text(), text(161));
        EXPECT_EQ(pixmapOf(dialog), iconImage("COMMERROR"));
        // Why: the file and the system's reason, or the places to correct.
        EXPECT_TRUE(!child<QLabel>(dialog, "lbl_Detail")->text().isEmpty() ||
                    child<QListWidget>(dialog, "lst_Refusals")->count() > 0);
        EXPECT_FALSE(QFileInfo::exists(DriveExport::filePath(c.root)));
        EXPECT_TRUE(child<QPushButton>(dialog, "cmd_Write")->isEnabled());
        EXPECT_EQ(QGuiApplication::overrideCursor(), nullptr);
    }
    EXPECT_EQ(QDir(path("plain")).entryList(QDir::Files | QDir::Hidden), QStringList{});
}

} // namespace
