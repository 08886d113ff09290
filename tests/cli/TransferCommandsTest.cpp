// zynctl table and transfer: the table file, and the transfer to an emulated
// controller on a pseudo-terminal.
#include "ZynCtlRun.h"
#include "cli/ZynCtl.h"
#include "fakes/ControllerEmulator.h"
#include "fakes/CoreApplicationScope.h"
#include "fakes/QtPrinters.h"
#include "fakes/TestPaths.h"

#include <QFile>
#include <gtest/gtest.h>

using namespace zyn;
using Emulator = test::ControllerEmulator;

namespace {

using Result = test::CliResult;

class TransferCommands : public test::ZynCtlFolderTest {
protected:
    // The examples show as a project file.
    QString examplesProject() {
        const QString project = path("examples.zyn");
        const Result built =
            run({"build", test::dataDir("transfer/examples/show.json"), "-o", project});
        EXPECT_EQ(built.status, ZynCtl::Success) << built.err.toStdString();
        return project;
    }

    // A project whose IC table holds runs of equal cells, filled channel by
    // channel from slave 1, channel 1.
    QString projectWith(const QList<QPair<QString, int>>& runs) {
        QByteArray json = "{\"channels\": [";
        int channel = 0;
        for (const auto& [cell, count] : runs) {
            for (int i = 0; i < count; ++i, ++channel)
                json += QStringLiteral("%1{\"slave\": %2, \"channel\": %3, \"cell\": \"%4\"}")
                            .arg(channel ? "," : "")
                            .arg(channel / 16 + 1)
                            .arg(channel % 16 + 1)
                            .arg(cell)
                            .toUtf8();
        }
        json += "]}";
        writeFile("big.json", json);
        EXPECT_EQ(run({"build", path("big.json"), "-o", path("big.zyn")}).status, ZynCtl::Success);
        return path("big.zyn");
    }

    test::CoreApplicationScope m_app;
};

// Every command that hands a show on refuses the same places, one line each,
// and leaves nothing behind: no file, not a byte on the line.
TEST_F(TransferCommands, EveryRefusedPlaceIsNamedOnALineOfItsOwnUpToTwenty) {
    const QStringList mixed = {"level-out-of-range slave 1 channel 1 (cue 3): ",
                               "level-out-of-range slave 1 channel 2 (cue 12): ",
                               "too-many-channels cue 7: ", "too-many-channels key 2: "};
    QStringList twentyOfTwentyFive;
    for (int channel = 1; channel <= 20; ++channel)
        twentyOfTwentyFive << QStringLiteral("level-out-of-range slave %1 channel %2 (cue 5): ")
                                  .arg((channel - 1) / 16 + 1)
                                  .arg((channel - 1) % 16 + 1);
    twentyOfTwentyFive << QStringLiteral("\u2026 and 5 more");
    const struct {
        const char* name;
        QList<QPair<QString, int>> runs;
        QStringList lines; // each error line holds so, in this order
    } cases[] = {
        {"levels, a full cue and a full key",
         {{"3-11", 1}, {"12-300", 1}, {"7", 256}, {"K 2", 300}},
         mixed},
        {"more than twenty", {{"5-11", 25}}, twentyOfTwentyFive},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        const QString project = projectWith(c.runs);
        Emulator controller;
        const QStringList commands[] = {
            {"table", project, "-o", path("out.bin")},
            {"card-image", project, "-o", path("out.bin")},
            {"card-write", project, "--reader", "emulated:" + path("out.bin")},
            {"transfer", project, "--port", controller.devicePath()},
        };
        for (const QStringList& command : commands) {
            SCOPED_TRACE(command.first().toStdString());
            const Result result = run(command);
            EXPECT_EQ(result.status, ZynCtl::Failure);
            const QStringList lines =
                QString::fromUtf8(result.err).split(u'\n', Qt::SkipEmptyParts);
            ASSERT_EQ(lines.size(), c.lines.size()) << result.err.toStdString();
            for (qsizetype i = 0; i < lines.size(); ++i) {
                EXPECT_TRUE(lines[i].startsWith("zynctl: ")) << lines[i].toStdString();
                EXPECT_TRUE(lines[i].contains(c.lines[i])) << lines[i].toStdString();
            }
            EXPECT_FALSE(QFile::exists(path("out.bin")));
        }
        EXPECT_EQ(controller.received(), ""); // not even the read request
    }
}

TEST_F(TransferCommands, TableWritesTheGoldenBytesAndTransferSendsThem) {
    const QString project = examplesProject();
    const Result table = run({"table", project, "-o", path("table.bin")});
    ASSERT_EQ(table.status, ZynCtl::Success) << table.err.toStdString();
    EXPECT_EQ(table.out, "");
    EXPECT_TRUE(readFile(path("table.bin")) ==
                readFile(test::dataDir("transfer/examples/expected.bin")));
    Emulator controller;
    ASSERT_TRUE(controller.isReady()) << controller.error().toStdString();
    const Result result = run({"transfer", project, "--port", controller.devicePath()});
    ASSERT_EQ(result.status, ZynCtl::Success) << result.err.toStdString();
    EXPECT_EQ(result.out, "Transfer successful.\n");
    EXPECT_TRUE(result.err.contains("controller on port 1 (" + controller.devicePath().toUtf8()));
    EXPECT_TRUE(result.err.contains("progress 6400/6401\n"));
    EXPECT_TRUE(controller.received() ==
                QByteArray::fromHex("B109BA") + readFile(path("table.bin")));
}

TEST_F(TransferCommands, WithoutAPortTheListedPortsAreSearched) {
    Emulator silent({.reply = Emulator::Reply::Silent});
    Emulator controller;
    const QByteArray previous = qgetenv("ZYN_SERIAL_PORTS");
    qputenv("ZYN_SERIAL_PORTS", "/dev/zyn-no-such-port," + silent.devicePath().toUtf8() + "," +
                                    controller.devicePath().toUtf8());
    const Result result = run({"transfer", examplesProject()});
    qputenv("ZYN_SERIAL_PORTS", previous);
    EXPECT_EQ(result.status, ZynCtl::Success) << result.err.toStdString();
    EXPECT_TRUE(result.err.contains("controller on port 3 ("));
}

TEST_F(TransferCommands, AFailedTransferExitsWithOneAndTheResultText) {
    const struct {
        Emulator::Behaviour behaviour;
        const char* mentions;
    } cases[] = {
        {{.reply = Emulator::Reply::Short}, "No controller found."},
        {{.final = Emulator::Final::MissingFourthByte}, "Transfer failed. (port"},
    };
    const QString project = examplesProject();
    for (const auto& c : cases) {
        SCOPED_TRACE(c.mentions);
        Emulator controller(c.behaviour);
        const Result result = run({"transfer", project, "--port", controller.devicePath()});
        EXPECT_EQ(result.status, ZynCtl::Failure);
        EXPECT_TRUE(result.err.contains(c.mentions)) << result.err.toStdString();
        EXPECT_EQ(result.out, "");
    }
}

} // namespace
