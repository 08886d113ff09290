// Every file zynctl writes survives a failed write: the command fails with
// one line naming the file, and the file keeps what it held.
#include "ZynCtlRun.h"
#include "cli/ZynCtl.h"
#include "fakes/GuiApplication.h"
#include "fakes/QtPrinters.h"
#include "fakes/WriteFailures.h"

#include <gtest/gtest.h>
#include <iostream>

using namespace zyn;
using namespace zyn::test;

namespace {

class CommandWriteFailure : public ZynCtlFolderTest {
protected:
    void SetUp() override {
        ASSERT_TRUE(ensureGuiApplication()); // the PDF report draws text
        openToEveryone(m_dir.path());
        writeFile("show.json", "{\"cues\": [{\"row\": 1, \"time\": \"00:00:05:00\", "
                               "\"description\": \"Comet\"}],"
                               " \"channels\": [{\"slave\": 3, \"channel\": 5, \"cell\": \"1\"}]}");
        writeFile("cues.csv", "Time;;;;;;Effect;;Colour;;Slave;Channel\r\n"
                              "x;00:01:02.5;a;b;c;d;Fountain;e;red;f;3;7\r\n");
        writeFile("Mine.txt", "1 = One\n2 = Two\n");
        const CliResult built = run({"build", path("show.json"), "-o", path("show.zyn")});
        ASSERT_EQ(built.status, ZynCtl::Success) << built.err.toStdString();
    }
};

TEST_F(CommandWriteFailure, EveryOutputKeepsItsPreviousContentAndTheCommandFails) {
    const QString project = path("show.zyn");
    const struct {
        QStringList arguments; // the output file follows "-o"
        const char* output;
    } commands[] = {
        {{"new"}, "new.zyn"},
        {{"build", path("show.json")}, "built.zyn"},
        {{"sort", project}, "sorted.zyn"},
        {{"import", path("cues.csv")}, "imported.zyn"},
        {{"table", project}, "ZYN600TE.BIN"},
        {{"card-image", project}, "card.bin"},
        {{"lang", "compile", path("Mine.txt")}, "Mine.lan"},
        {{"report", "times", project}, "times.xlt"},
        {{"report", "channels", project}, "channels.xlsx"},
        {{"report", "channels", project}, "channels.pdf"},
    };
    for (const auto& command : commands) {
        for (const WriteFailure failure : EveryWriteFailure) {
            SCOPED_TRACE(command.arguments.join(u' ').toStdString() + " -o " + command.output +
                         ", " + nameOf(failure));
            FailingTarget target(failure, QLatin1String(command.output));
            CliResult result;
            const std::optional<bool> ran = target.run([&] {
                result = run(command.arguments + QStringList{"-o", target.path()});
                return result.status == ZynCtl::Failure;
            });
            if (!ran) {
                std::cout << "skipped: " << target.skipReason().toStdString() << "\n";
                continue;
            }
            EXPECT_TRUE(*ran) << "status " << result.status;
            EXPECT_EQ(result.err.count('\n'), 1) << result.err.toStdString();
            EXPECT_TRUE(result.err.contains(target.path().toUtf8())) << result.err.toStdString();
            EXPECT_TRUE(target.untouched());
        }
    }
}

} // namespace
