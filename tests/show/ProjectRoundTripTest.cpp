#include "ProjectFileTestSupport.h"
#include "fakes/QtPrinters.h"
#include "fakes/TestFiles.h"
#include "show/Cp1252.h"

#include <QTemporaryDir>
#include <gtest/gtest.h>

using namespace zyn;
using namespace zyn::test;

namespace {

std::unique_ptr<Show> showWithEveryKindOfCell() {
    auto show = newShow();
    const struct {
        int row;
        const char16_t* time;
        const char16_t* description;
    } cues[] = {
        {1, u"00:00:05:00", u"Comet, \"gold\"; with tail"},
        {2, u"MANUAL STOP", u"Wait for the speech"},
        {3, u"TIMED STOP #2", u"Pause"},
        {4, u"RESET STOP #1", u"Second act"},
        {5, u"00:01:30.25", u"Shifted: full stop before hundredths"},
        {6, u"", u"Description only: Feuerwerk über dem Fluß, Ωmega→x is not here"},
        {3200, u"23:59:59:99", u"Last row ÿ €"},
    };
    for (const auto& cue : cues) {
        show->cues.row(cue.row).TimeText = QString::fromUtf16(cue.time);
        show->cues.row(cue.row).Description = QString::fromUtf16(cue.description);
    }
    show->cues.row(6).Description = QStringLiteral("Feuerwerk über dem Fluß; \"Finale\", 100%");
    show->ics.cell(1, 1) = QStringLiteral("1");
    show->ics.cell(1, 2) = QStringLiteral("12-3");
    show->ics.cell(17, 9) = QStringLiteral("K 4");
    show->ics.cell(200, 16) = QStringLiteral("K 10-10");
    show->ics.cell(100, 8) = QStringLiteral("odd, \"hand-edited\" cell");
    show->state.SortPending = true;
    return show;
}

std::unique_ptr<Show> reloaded(const Show& show, const StopLabels& saveLabels,
                               const StopLabels& loadLabels) {
    auto loaded = std::make_unique<Show>();
    EXPECT_TRUE(readInto(*loaded, serialized(show, saveLabels), loadLabels).ok());
    return loaded;
}

// Every character a file can store: the code page from the blank upwards.
QString everyStorableCharacter() {
    QByteArray bytes;
    for (int code = 32; code <= 255; ++code)
        bytes.append(static_cast<char>(code));
    return Cp1252::decode(bytes);
}

} // namespace

TEST(ProjectRoundTrip, EveryTableComesBackAsItWasSaved) {
    const auto show = showWithEveryKindOfCell();
    const auto loaded = reloaded(*show, EnglishLabels, EnglishLabels);
    EXPECT_EQ(loaded->cues, show->cues);
    EXPECT_EQ(loaded->ics, show->ics);
    EXPECT_TRUE(loaded->state.SortPending);
    EXPECT_FALSE(loaded->state.ShowChanged);
    EXPECT_EQ(loaded->state.ShowMode, TimeCodedShow);
}

TEST(ProjectRoundTrip, EveryStorableCharacterAtEveryKeyPositionSurvives) {
    const QString all = everyStorableCharacter();
    auto show = newShow();
    // Seven rotations put every character at every position of the key.
    for (int shift = 0; shift < 7; ++shift) {
        const QString rotated = all.mid(shift) + all.left(shift);
        show->cues.row(shift + 1).Description = rotated;
        show->cues.row(shift + 1).TimeText = rotated.left(11);
        show->ics.cell(shift + 1, 1) = rotated;
    }
    const auto loaded = reloaded(*show, EnglishLabels, EnglishLabels);
    for (int shift = 0; shift < 7; ++shift) {
        SCOPED_TRACE(shift);
        EXPECT_EQ(loaded->cues.row(shift + 1).Description, show->cues.row(shift + 1).Description);
        EXPECT_EQ(loaded->cues.row(shift + 1).TimeText, show->cues.row(shift + 1).TimeText);
        EXPECT_EQ(loaded->ics.cell(shift + 1, 1), show->ics.cell(shift + 1, 1));
    }
}

TEST(ProjectRoundTrip, StopsSavedUnderOneLanguageShowTheLabelsOfTheLanguageAtLoad) {
    const auto show = showWithEveryKindOfCell();
    const QByteArray bytes = serialized(*show, EnglishLabels);
    EXPECT_TRUE(bytes.contains(scrambledLine(QStringLiteral("MAN"))));
    EXPECT_TRUE(bytes.contains(scrambledLine(QStringLiteral("TS #2"))));
    EXPECT_TRUE(bytes.contains(scrambledLine(QStringLiteral("TR #1"))));

    const auto loaded = reloaded(*show, EnglishLabels, GermanLabels);
    EXPECT_EQ(loaded->cues.row(2).TimeText, "HANDSTOPP");
    EXPECT_EQ(loaded->cues.row(3).TimeText, "ZEITSTOPP #2");
    EXPECT_EQ(loaded->cues.row(4).TimeText, "RESET-STOPP #1");
    EXPECT_EQ(loaded->cues.row(1).TimeText, "00:00:05:00");
}

TEST(ProjectRoundTrip, AManualShowComesBackTimeCodedWithEmptyTimesAwaitingASort) {
    auto show = newShow();
    show->clearForManualShow();
    show->cues.row(1).Description = QStringLiteral("kept");
    const auto loaded = reloaded(*show, EnglishLabels, EnglishLabels);
    EXPECT_EQ(loaded->state.ShowMode, TimeCodedShow);
    EXPECT_TRUE(loaded->state.SortPending);
    EXPECT_EQ(loaded->cues.row(1).TimeText, "");
    EXPECT_EQ(loaded->cues.row(3200).TimeText, "");
    EXPECT_EQ(loaded->cues.row(1).Description, "kept");
}

TEST(ProjectRoundTrip, TextsAFileCannotStoreAreRefusedNamingTheCell) {
    const struct {
        QString text;
        CellPlace::Field field;
    } cases[] = {
        {QStringLiteral("tab\there"), CellPlace::Field::CueDescription},
        {QStringLiteral("line\nbreak"), CellPlace::Field::CueDescription},
        {QString::fromUtf16(u"\u4e2d"), CellPlace::Field::IcCell},
        {QString::fromUtf16(u"\u03a9"), CellPlace::Field::CueTime},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.text.toStdString());
        auto show = newShow();
        if (c.field == CellPlace::Field::CueDescription)
            show->cues.row(42).Description = c.text;
        else if (c.field == CellPlace::Field::CueTime)
            show->cues.row(42).TimeText = c.text;
        else
            show->ics.cell(3, 5) = c.text;
        QByteArray bytes;
        const FileError error =
            ProjectWriter(EnglishLabels, buildProjectCodecKey()).serialize(*show, &bytes);
        EXPECT_EQ(error.kind, FileError::Kind::Unstorable);
        EXPECT_EQ(error.place.field, c.field);
        EXPECT_EQ(error.place.row, c.field == CellPlace::Field::IcCell ? 3 : 42);
        EXPECT_TRUE(bytes.isEmpty());
    }
}

TEST(ProjectSave, ClearsShowChangedAndReplacesTheFile) {
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("show.zyn"));
    auto show = showWithEveryKindOfCell();
    show->state.ShowChanged = true;
    const QByteArray expected = serialized(*show);
    const ProjectWriter writer(EnglishLabels, buildProjectCodecKey());
    ASSERT_TRUE(writer.save(*show, path).ok());
    EXPECT_FALSE(show->state.ShowChanged);
    EXPECT_TRUE(fileContent(path) == expected);
}

TEST(ProjectSave, AnUnstorableTextKeepsThePreviousFileAndTheChangedFlag) {
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("show.zyn"));
    auto show = showWithEveryKindOfCell();
    const ProjectWriter writer(EnglishLabels, buildProjectCodecKey());
    ASSERT_TRUE(writer.save(*show, path).ok());
    const QByteArray before = serialized(*show);

    // A text the file cannot store: refused before anything is written.
    show->cues.row(7).Description = QStringLiteral("bell\a");
    show->state.ShowChanged = true;
    const FileError error = writer.save(*show, path);
    EXPECT_EQ(error.kind, FileError::Kind::Unstorable);
    EXPECT_EQ(error.path, path);
    EXPECT_TRUE(show->state.ShowChanged);
    EXPECT_TRUE(fileContent(path) == before);
}
