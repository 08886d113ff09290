// The serial transfer end to end: the real port adapter on a pseudo-terminal
// with an emulated controller at the far end.
#include "fakes/ControllerEmulator.h"
#include "fakes/CoreApplicationScope.h"
#include "fakes/QtPrinters.h"
#include "fakes/TestFiles.h"
#include "platform/qt/QtSerialLink.h"
#include "show/Show.h"
#include "show/ShowJson.h"
#include "transfer/ControllerSession.h"
#include "transfer/TableBuilder.h"

#include <QElapsedTimer>
#include <QEventLoop>
#include <QTimer>
#include <cmath>
#include <functional>
#include <gtest/gtest.h>
#include <memory>
#include <thread>

using namespace zyn;
using Outcome = ControllerSession::Outcome;
using Emulator = test::ControllerEmulator;

namespace {

const QByteArray ReadRequest = QByteArray::fromHex("B109BA");

ControllerTable examplesTable() {
    auto show = std::make_unique<Show>();
    EXPECT_EQ(
        ShowJson::read(test::fixture("transfer/examples/show.json"), StopLabels::fileForm(), *show),
        "");
    return TableBuilder(StopLabels::fileForm()).build(*show).table;
}

struct RunResult {
    std::optional<Outcome> outcome;
    int port = 0;
    QString device;
    qint64 milliseconds = 0;
};

class SerialTransfer : public ::testing::Test {
protected:
    using ProgressHook = std::function<void(ControllerSession&, int)>;

    // Runs a whole session over the listed devices.
    RunResult transfer(const QStringList& devices, const ProgressHook& onProgress = {}) {
        QtSerialLink link{SerialPortList(devices)};
        ControllerSession session(link, table);
        link.attach(session);
        RunResult run;
        QEventLoop loop;
        QObject::connect(&session, &ControllerSession::portFound,
                         [&](int port, const QString& device) {
                             run.port = port;
                             run.device = device;
                         });
        if (onProgress)
            QObject::connect(&session, &ControllerSession::progressChanged,
                             [&](int value) { onProgress(session, value); });
        QObject::connect(&session, &ControllerSession::finished, &loop, &QEventLoop::quit);
        QTimer::singleShot(30000, &loop, &QEventLoop::quit); // a hung test, not a slow one
        QElapsedTimer clock;
        clock.start();
        session.start();
        if (!session.isFinished())
            loop.exec();
        run.milliseconds = clock.elapsed();
        run.outcome = session.outcome();
        return run;
    }

    // What the emulator holds once the line has been quiet for a while: bytes
    // the program wrote are in it, and any byte sent late would be too.
    static QByteArray settled(const Emulator& emulator) {
        std::this_thread::sleep_for(std::chrono::milliseconds(100));
        return emulator.received();
    }

    test::CoreApplicationScope app;
    const ControllerTable table = examplesTable();
};

TEST_F(SerialTransfer, AFaultyAcknowledgementEndsTheTransferAndNothingMoreIsSent) {
    const struct {
        int unit;
        Emulator::UnitFault fault;
    } cases[] = {
        {1, Emulator::UnitFault::WrongByte},
        {5, Emulator::UnitFault::NoByte},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.unit);
        Emulator controller({.faultyUnit = c.unit, .unitFault = c.fault});
        ASSERT_TRUE(controller.isReady());
        const RunResult run = transfer({controller.devicePath()});
        ASSERT_EQ(run.outcome, Outcome::Failed);
        EXPECT_EQ(ControllerSession::resultText(*run.outcome), 161);
        QByteArray expected = ReadRequest;
        for (int u = 0; u < c.unit; ++u)
            expected += table.units()[std::size_t(u)].bytes;
        EXPECT_TRUE(settled(controller) == expected);
    }
}

// The paced benchmark counts everything beyond the line time against the
// program; a controller that answered sooner than the line allows would hide
// the program's own time in it.
TEST_F(SerialTransfer, APacedControllerNeverAnswersSoonerThanTheLine) {
    constexpr int LastUnit = 300; // refused, which ends the run early
    Emulator controller({.faultyUnit = LastUnit, .lineTiming = true});
    ASSERT_TRUE(controller.isReady());
    const RunResult run = transfer({controller.devicePath()});
    ASSERT_EQ(run.outcome, Outcome::Failed);
    qsizetype bytes = ReadRequest.size() + ControllerSession::ReplySize;
    for (int u = 0; u < LastUnit; ++u)
        bytes += table.units()[std::size_t(u)].bytes.size() + 1;
    EXPECT_GE(double(run.milliseconds), std::floor(double(bytes) * Emulator::ByteSeconds * 1e3));
}

TEST_F(SerialTransfer, AStopClosesThePortAndSendsNoFurtherUnit) {
    Emulator controller;
    ASSERT_TRUE(controller.isReady());
    const RunResult run = transfer({controller.devicePath()}, [](ControllerSession& s, int value) {
        if (value == 100)
            s.stop();
    });
    ASSERT_EQ(run.outcome, Outcome::Stopped);
    // Progress 100 came with the acknowledgement of unit 100.
    QByteArray expected = ReadRequest;
    for (int u = 0; u < 100; ++u)
        expected += table.units()[std::size_t(u)].bytes;
    EXPECT_TRUE(settled(controller) == expected);
    // The port is free again.
    QtSerialLink link{SerialPortList({controller.devicePath()})};
    EXPECT_TRUE(link.open(1)) << link.lastError().toStdString();
}

TEST_F(SerialTransfer, AControllerThatGoesAwayMidTransferIsAFailureNotAHang) {
    auto controller = std::make_unique<Emulator>();
    ASSERT_TRUE(controller->isReady());
    const RunResult run = transfer({controller->devicePath()}, [&](ControllerSession&, int value) {
        if (value == 3)
            controller.reset(); // the cable is pulled
    });
    EXPECT_EQ(run.outcome, Outcome::Failed);
}

TEST(SerialPorts, DevicesAreNumberedInAStableOrder) {
    EXPECT_EQ(SerialPortList::ordered({"/dev/ttyUSB0", "/dev/ttyS10", "/dev/ttyS2", "/dev/ttyACM0",
                                       "/dev/ttyS0", "/dev/ttyUSB10", "/dev/ttyUSB9"}),
              (QStringList{"/dev/ttyACM0", "/dev/ttyS0", "/dev/ttyS2", "/dev/ttyS10",
                           "/dev/ttyUSB0", "/dev/ttyUSB9", "/dev/ttyUSB10"}));
    const SerialPortList ports = SerialPortList::fromVariable(" /dev/pts/7 ,, /dev/ttyUSB0,");
    EXPECT_EQ(ports.devices(), (QStringList{"/dev/pts/7", "/dev/ttyUSB0"}));
    EXPECT_EQ(ports.device(1), "/dev/pts/7");
    EXPECT_EQ(ports.device(2), "/dev/ttyUSB0");
    EXPECT_EQ(ports.device(0), "");
    EXPECT_EQ(ports.device(3), "");

    QStringList many;
    for (int i = 1; i <= 40; ++i)
        many.append(QStringLiteral("/dev/ttyS%1").arg(i));
    const SerialPortList thirty(many);
    EXPECT_EQ(thirty.device(30), "/dev/ttyS30");
    EXPECT_EQ(thirty.device(31), "");
}

} // namespace
