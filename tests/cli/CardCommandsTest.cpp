// zynctl card-image and card-write: the image file, and the write onto an
// emulated card file.
#include "ZynCtlRun.h"
#include "cli/ZynCtl.h"
#include "fakes/QtPrinters.h"
#include "fakes/TestPaths.h"
#include "settings/ProgramDirectory.h"

#include <QDir>
#include <QFile>
#include <gtest/gtest.h>

using namespace zyn;

namespace {

using Result = test::CliResult;

class CardCommands : public test::ZynCtlFolderTest {
protected:
    QString projectOf(const QString& json) {
        const QString project = path("show.zyn");
        const Result built = run({"build", json, "-o", project});
        EXPECT_EQ(built.status, ZynCtl::Success) << built.err.toStdString();
        return project;
    }

    QString examplesProject() {
        return projectOf(test::dataDir("transfer/card-examples/show.json"));
    }
};

TEST_F(CardCommands, CardImageWritesTheGoldenImage) {
    const Result result = run({"card-image", examplesProject(), "-o", path("card.bin")});
    ASSERT_EQ(result.status, ZynCtl::Success) << result.err.toStdString();
    EXPECT_EQ(result.out, "");
    EXPECT_TRUE(readFile(path("card.bin")) ==
                readFile(test::dataDir("transfer/card-examples/expected.bin")));
}

TEST_F(CardCommands, CardWriteLeavesTheImageOnTheCardAndSaysItWasChecked) {
    const QString project = examplesProject();
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
    EXPECT_TRUE(readFile(path("c.bin")).first(25608) ==
                readFile(test::dataDir("transfer/card-examples/expected.bin")));
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
    QFile small(path("small.bin")); // a card of 1000 bytes: the image does not fit
    ASSERT_TRUE(small.open(QIODevice::WriteOnly));
    small.write(QByteArray(1000, '\0'));
    small.close();
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

TEST_F(CardCommands, AShowWithALevelThatIsNoLevelGoesOntoNoCard) {
    const QString project = projectOf(
        writeFile("bad.json", R"({"channels": [{"slave": 2, "channel": 3, "cell": "9-12"}]})"));
    for (const QStringList& command :
         {QStringList{"card-image", project, "-o", path("card.bin")},
          QStringList{"card-write", project, "--reader", "emulated:" + path("card.bin")}}) {
        const Result result = run(command);
        EXPECT_EQ(result.status, ZynCtl::Failure);
        EXPECT_TRUE(result.err.contains("level-out-of-range slave 2 channel 3 (cue 9): "))
            << result.err.toStdString();
        EXPECT_FALSE(QFile::exists(path("card.bin")));
    }
}

TEST_F(CardCommands, MalformedCommandLinesAreUsageErrors) {
    const QString project = examplesProject();
    for (const QStringList& words : {QStringList{"card-image", project}, QStringList{"card-write"},
                                     QStringList{"card-write", project, "--reader", "floppy"},
                                     QStringList{"card-write", project, "--reader", "pcsc:one"}}) {
        const Result result = run(words);
        EXPECT_EQ(result.status, ZynCtl::UsageError) << words.join(' ').toStdString();
        EXPECT_TRUE(result.err.contains("usage: zynctl"));
    }
}

} // namespace
