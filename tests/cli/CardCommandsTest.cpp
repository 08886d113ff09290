// zynctl card-image and card-write: the image file, and the write onto an
// emulated card file.
#include "ZynCtlRun.h"
#include "cli/ZynCtl.h"
#include "fakes/QtPrinters.h"
#include "fakes/TestPaths.h"
#include "settings/ProgramDirectory.h"

#include <QDir>
#include <gtest/gtest.h>

using namespace zyn;

namespace {

using Result = test::CliResult;

class CardCommands : public test::ZynCtlFolderTest {
protected:
    QString examplesProject() {
        const QString project = path("show.zyn");
        const Result built =
            run({"build", test::dataDir("transfer/card-examples/show.json"), "-o", project});
        EXPECT_EQ(built.status, ZynCtl::Success) << built.err.toStdString();
        return project;
    }

    const QByteArray m_golden = readFile(test::dataDir("transfer/card-examples/expected.bin"));
};

TEST_F(CardCommands, TheImageFileAndTheCardHoldTheGoldenImage) {
    const QString project = examplesProject();
    const Result image = run({"card-image", project, "-o", path("card.bin")});
    ASSERT_EQ(image.status, ZynCtl::Success) << image.err.toStdString();
    EXPECT_EQ(image.out, "");
    EXPECT_TRUE(readFile(path("card.bin")) == m_golden);

    const Result result = run({"card-write", project, "--reader", "emulated:" + path("c.bin")});
    ASSERT_EQ(result.status, ZynCtl::Success) << result.err.toStdString();
    EXPECT_TRUE(result.out.startsWith("Start block written......\nWriting cue times......\n"));
    EXPECT_TRUE(result.out.endsWith(
        "\nChip card written completely.\nCheck passed: the card holds exactly the show.\n"))
        << result.out.toStdString();
    // After the warnings of the check: the examples hold cues without channels.
    EXPECT_TRUE(result.err.contains(
        "Card reader: Emulated chip card (a file, no reader): " + path("c.bin").toUtf8() + "\n"));
    EXPECT_TRUE(result.err.contains("progress 9600/9600\n"));
    EXPECT_TRUE(readFile(path("c.bin")).first(25608) == m_golden);
}

TEST_F(CardCommands, TheEmulatedCardLivesInTheProgramDirectoryByDefault) {
    const QString home = path("home");
    QString error;
    ASSERT_TRUE(ProgramDirectory(home).prepare(test::builtLanguageDir(), &error));
    const QString project = examplesProject();
    const Result result = run({"--home", home, "card-write", project, "--reader", "emulated"});
    ASSERT_EQ(result.status, ZynCtl::Success) << result.err.toStdString();
    EXPECT_EQ(readFile(QDir(home).filePath("ZYNCard.bin")).size(), 32768);
}

TEST_F(CardCommands, AWriteThatFailsExitsWithTheFailureLine) {
    writeFile("small.bin", QByteArray(1000, '\0')); // the image does not fit
    const Result result =
        run({"card-write", examplesProject(), "--reader", "emulated:" + path("small.bin")});
    EXPECT_EQ(result.status, ZynCtl::Failure);
    EXPECT_TRUE(result.err.endsWith("zynctl: The chip card was NOT written completely and must "
                                    "not be used. Failed write commands: 9352\n"))
        << result.err.toStdString();
    EXPECT_TRUE(result.out.contains("\nERROR: 6B00 The address lies outside the card's memory."));
    EXPECT_FALSE(result.out.contains("Chip card written completely."));
}

TEST_F(CardCommands, AReaderWithoutACardWritesNothing) {
    const Result result = run({"card-write", examplesProject(), "--reader",
                               "emulated:" + path("no-such-folder/card.bin")});
    EXPECT_EQ(result.status, ZynCtl::Failure);
    EXPECT_TRUE(result.err.endsWith("zynctl: ERROR: 8010000C There is no card in the reader.\n"))
        << result.err.toStdString();
    EXPECT_EQ(result.out, "");
}

} // namespace
