#include "ProjectFileTestSupport.h"
#include "fakes/QtPrinters.h"

#include <QFile>
#include <QRandomGenerator>
#include <QTemporaryDir>
#include <gtest/gtest.h>

using namespace zyn;
using namespace zyn::test;

namespace {

// A file of the given header generation with `cueCount` cue rows, each
// time "00:00:0r:00" and description "cue r", and one IC module whose
// cells are "1".."16".
QByteArray projectFile(QByteArray header, QByteArray stateLines, int cueCount,
                       const QString& channelCount = QStringLiteral("16")) {
    QByteArray bytes =
        header + "\r\n" + stateLines + "[CUES]\r\n" + scrambledLine(QString::number(cueCount));
    for (int r = 1; r <= cueCount; ++r) {
        bytes += scrambledLine(QStringLiteral("00:00:0%1:00").arg(r % 10));
        bytes += scrambledLine(QStringLiteral("cue %1").arg(r));
    }
    bytes += "\r\n[IC]\r\n" + scrambledLine(QStringLiteral("1")) + scrambledLine(channelCount);
    for (int c = 1; c <= 16; ++c)
        bytes += scrambledLine(QString::number(c));
    bytes += "\r\n[STEP]\r\n" + scrambledLine(QStringLiteral("0"));
    return bytes;
}

QByteArray newestFile(int cueCount = 3) {
    return projectFile("[ZYN600x2 PROJECTFILE]", "#TRUE#,#FALSE#,1\r\n", cueCount);
}

std::unique_ptr<Show> showFilledWith(const QString& marker) {
    auto show = newShow();
    for (int r = 1; r <= MaxCues; ++r)
        show->cues.row(r).Description = marker;
    return show;
}

} // namespace

TEST(ProjectHeaderGenerations, AllThreeGenerationsRead) {
    const struct {
        const char* name;
        QByteArray header;
        QByteArray state;
        bool sortPending;
    } cases[] = {
        {"newest", "[ZYN600x2 PROJECTFILE]", "#TRUE#,#TRUE#,1\r\n", true},
        {"second", "[ZYN600 PROJECTFILE2]", "#FALSE#,#FALSE#,1\r\n", false},
        {"oldest, one line", "[ZYN600 PROJECTFILE]",
         '"' + ScrambledField::encode(u"Wahr", buildProjectCodecKey()) + "\",\"" +
             ScrambledField::encode(u"Falsch", buildProjectCodecKey()) + "\",1\r\n",
         false},
        {"oldest, separate lines", "[ZYN600 PROJECTFILE]",
         scrambledLine(QStringLiteral("Falsch")) + scrambledLine(QStringLiteral("Wahr")) + "1\r\n",
         true},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        auto show = newShow();
        ASSERT_TRUE(readInto(*show, projectFile(c.header, c.state, 3)).ok());
        EXPECT_EQ(show->state.SortPending, c.sortPending);
        EXPECT_FALSE(show->state.ShowChanged); // cleared whatever the file stored
        EXPECT_EQ(show->cues.row(3).Description, "cue 3");
        EXPECT_EQ(show->ics.cell(1, 16), "16");
    }
}

TEST(ProjectPartialSections, RowsBeyondTheCountKeepTheirContent) {
    auto show = showFilledWith(QStringLiteral("previous"));
    ASSERT_TRUE(readInto(*show, newestFile(10)).ok());
    EXPECT_EQ(show->cues.row(10).Description, "cue 10");
    EXPECT_EQ(show->cues.row(11).Description, "previous");
    EXPECT_EQ(show->cues.row(3200).Description, "previous");
}

TEST(ProjectPartialSections, TheStoredChannelCountIsIgnored) {
    auto show = newShow();
    const QByteArray file =
        projectFile("[ZYN600x2 PROJECTFILE]", "#FALSE#,#FALSE#,1\r\n", 1, QStringLiteral("8"));
    ASSERT_TRUE(readInto(*show, file).ok());
    EXPECT_EQ(show->ics.cell(1, 16), "16");
}

TEST(ProjectPartialSections, AnyLineEndReadsAlike) {
    const QByteArray crlf = newestFile(5);
    QByteArray lf = crlf;
    lf.replace("\r\n", "\n");
    QByteArray cr = crlf;
    cr.replace("\r\n", "\r");
    for (const QByteArray& file : {lf, cr}) {
        auto show = newShow();
        ASSERT_TRUE(readInto(*show, file).ok());
        EXPECT_EQ(show->cues.row(5).Description, "cue 5");
        EXPECT_EQ(show->ics.cell(1, 7), "7");
    }
}

TEST(ProjectDamagedInput, EachDamageGivesItsErrorAndMarksTheShowChanged) {
    QByteArray cut = newestFile(3);
    cut.truncate(cut.indexOf("[IC]") + 6);
    QByteArray noCountValue = newestFile(3);
    noCountValue.truncate(noCountValue.indexOf("[CUES]") + 8);
    const struct {
        const char* name;
        QByteArray content;
        FileError::Kind kind;
        int line;
    } cases[] = {
        {"truncated inside the IC section", cut, FileError::Kind::Truncated, 13},
        {"ends after a section line", noCountValue, FileError::Kind::Truncated, 4},
        {"count larger than the table", newestFile(3201).left(200), FileError::Kind::CountTooLarge,
         4},
        {"count beyond 16 bits",
         newestFile(0).replace(scrambledLine(QStringLiteral("0")) + "\r\n[IC]",
                               scrambledLine(QStringLiteral("40000")) + "\r\n[IC]"),
         FileError::Kind::OutOfRange, 4},
        {"Boolean that is not one", projectFile("[ZYN600x2 PROJECTFILE]", "maybe,#TRUE#,1\r\n", 1),
         FileError::Kind::WrongType, 2},
        {"mode that is not a number",
         projectFile("[ZYN600 PROJECTFILE2]", "#TRUE#,#TRUE#,x\r\n", 1), FileError::Kind::WrongType,
         2},
        {"mode beyond 16 bits", projectFile("[ZYN600 PROJECTFILE2]", "#TRUE#,#TRUE#,70000\r\n", 1),
         FileError::Kind::OutOfRange, 2},
        {"oldest state word unknown",
         projectFile("[ZYN600 PROJECTFILE]", scrambledLine(QStringLiteral("Vielleicht")), 1),
         FileError::Kind::WrongType, 2},
        {"state line missing at the end", "[ZYN600x2 PROJECTFILE]\r\n", FileError::Kind::Truncated,
         2},
        {"empty file", "", FileError::Kind::NotAProject, 0},
        {"header in another case", projectFile("[zyn600x2 projectfile]", "#TRUE#,#TRUE#,1\r\n", 3),
         FileError::Kind::NotAProject, 0},
        {"binary garbage", QByteArray::fromHex("89504e470d0a1a0a0000000d49484452fffe"),
         FileError::Kind::NotAProject, 0},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        auto show = newShow();
        const FileError error = readInto(*show, c.content);
        EXPECT_EQ(error.kind, c.kind);
        EXPECT_EQ(error.line, c.line);
        EXPECT_NE(error.number, 0);
        EXPECT_TRUE(show->state.ShowChanged);
    }
}

TEST(ProjectDamagedInput, ACountTooLargeForTheTableOverwritesNothingOfItsSection) {
    auto show = showFilledWith(QStringLiteral("previous"));
    const FileError error = readInto(*show, newestFile(3201));
    EXPECT_EQ(error.kind, FileError::Kind::CountTooLarge);
    EXPECT_EQ(show->cues.row(1).Description, "previous");
}

TEST(ProjectDamagedInput, ANegativeCountReadsNoRows) {
    QByteArray file = newestFile(0);
    file.replace(scrambledLine(QStringLiteral("0")) + "\r\n[IC]",
                 scrambledLine(QStringLiteral("-5")) + "\r\n[IC]");
    auto show = showFilledWith(QStringLiteral("previous"));
    EXPECT_TRUE(readInto(*show, file).ok());
    EXPECT_EQ(show->cues.row(1).Description, "previous");
}

TEST(ProjectDamagedInput, AStoredModeOtherThanTheTwoShowKindsLoadsAsTimeCoded) {
    auto show = newShow();
    ASSERT_TRUE(
        readInto(*show, projectFile("[ZYN600x2 PROJECTFILE]", "#FALSE#,#FALSE#,3\r\n", 1)).ok());
    EXPECT_EQ(show->state.ShowMode, TimeCodedShow);
    EXPECT_EQ(show->cues.row(1).TimeText, "00:00:01:00");
}

// Mutated files must give a result, never a crash or a write outside a table.
TEST(ProjectDamagedInput, RandomMutationsNeverCrash) {
    const QByteArray original = newestFile(40);
    QRandomGenerator random(20261206);
    for (int round = 0; round < 300; ++round) {
        QByteArray mutated = original;
        const int edits = 1 + random.bounded(8);
        for (int e = 0; e < edits; ++e) {
            const int at = random.bounded(int(mutated.size()));
            switch (random.bounded(3)) {
            case 0:
                mutated[at] = char(random.bounded(256));
                break;
            case 1:
                mutated.remove(at, random.bounded(40));
                break;
            default:
                mutated.insert(at, mutated.mid(random.bounded(int(mutated.size())), 30));
            }
        }
        auto show = newShow();
        readInto(*show, mutated);
    }
    SUCCEED();
}

TEST(ProjectLoad, AMissingFileEmptiesThePathAndTouchesNoTable) {
    auto show = showFilledWith(QStringLiteral("previous"));
    show->state.ProjectPath = QStringLiteral("/no/such/folder/show.zyn");
    show->state.ShowChanged = true;
    const ProjectReader::Outcome outcome =
        ProjectReader(EnglishLabels, buildProjectCodecKey()).load(show->state.ProjectPath, *show);
    EXPECT_TRUE(outcome.error.ok());
    EXPECT_TRUE(outcome.fileMissing);
    EXPECT_EQ(show->state.ProjectPath, "");
    EXPECT_FALSE(show->state.ShowChanged);
    EXPECT_EQ(show->cues.row(1).Description, "previous");
}

TEST(ProjectLoad, AFolderOrAnOversizedFileIsRefused) {
    QTemporaryDir dir;
    auto show = newShow();
    const ProjectReader reader(EnglishLabels, buildProjectCodecKey());
    EXPECT_EQ(reader.load(dir.path(), *show).error.kind, FileError::Kind::CannotOpen);

    QFile big(dir.filePath(QStringLiteral("big.zyn")));
    ASSERT_TRUE(big.open(QIODevice::WriteOnly));
    ASSERT_TRUE(big.resize(ProjectReader::MaxFileSize + 1));
    big.close();
    EXPECT_EQ(reader.load(big.fileName(), *show).error.kind, FileError::Kind::NotAProject);
}
