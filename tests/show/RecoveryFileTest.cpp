// The recovery copy: a whole changed show that an abnormal end leaves for
// the next start, kept by one running program at a time.
#include "show/RecoveryFile.h"

#include "ProjectFileTestSupport.h"
#include "fakes/QtPrinters.h"
#include "fakes/TestFiles.h"
#include "fakes/WriteFailures.h"

#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>
#include <iostream>

using namespace zyn;
using namespace zyn::test;

namespace {

const QDateTime FirstWrite(QDate(2025, 11, 5), QTime(21, 30, 15), Qt::OffsetFromUTC, 3600);

std::unique_ptr<Show> changedShow() {
    auto show = newShow();
    show->cues.row(1).TimeText = QStringLiteral("00:00:05:00");
    show->cues.row(1).Description = QStringLiteral("Comet, \"gold\"");
    show->cues.row(2).TimeText = EnglishLabels.stop;
    show->cues.row(3200).Description = QStringLiteral("Finale ÿ");
    show->ics.cell(1, 1) = QStringLiteral("1");
    show->ics.cell(200, 16) = QStringLiteral("K 10-3");
    show->state.SortPending = true;
    show->state.ShowChanged = true;
    show->state.ProjectPath = QStringLiteral("/shows/new year.zyn");
    return show;
}

class RecoveryCopy : public testing::Test {
protected:
    void SetUp() override { ASSERT_TRUE(m_copy->claim()); }

    // The copy read back into a show that held something else.
    std::unique_ptr<Show> restored(RecoveryFile::Details* details,
                                   const StopLabels& labels = EnglishLabels) {
        auto show = newShow();
        show->cues.row(5).Description = QStringLiteral("left over");
        EXPECT_TRUE(m_copy->restore(*show, labels, details).ok());
        return show;
    }

    QTemporaryDir m_dir;
    std::unique_ptr<RecoveryFile> m_copy =
        std::make_unique<RecoveryFile>(m_dir.path(), buildProjectCodecKey());
};

TEST_F(RecoveryCopy, AChangedShowComesBackWholeAsAShowWithoutAFile) {
    auto show = changedShow();
    show->cues.row(5).Description = QStringLiteral("typed");
    ASSERT_TRUE(m_copy->update(*show, show->state.ProjectPath, EnglishLabels, FirstWrite).ok());
    EXPECT_EQ(m_copy->find()->projectPath, "/shows/new year.zyn");

    RecoveryFile::Details details;
    auto back = restored(&details, GermanLabels);
    EXPECT_EQ(details.projectPath, "/shows/new year.zyn");
    EXPECT_EQ(details.written, FirstWrite);
    for (int r : {1, 3, 5, 3200})
        EXPECT_EQ(back->cues.row(r), show->cues.row(r)) << "row " << r;
    // A stop follows the language of the start, as a project file's does.
    EXPECT_EQ(back->cues.row(2).TimeText, GermanLabels.stop);
    EXPECT_EQ(back->cues.row(3).CueNumber, "3");
    EXPECT_EQ(back->ics, show->ics);
    EXPECT_TRUE(back->state.SortPending);
    EXPECT_TRUE(back->state.ShowChanged);
    EXPECT_EQ(back->state.ProjectPath, "");
}

TEST_F(RecoveryCopy, AManualShowStaysManualWithItsTimes) {
    // A project file turns a manual show into a time-coded one with empty
    // times; the copy must give back exactly what was on screen.
    auto show = newShow();
    show->clearForManualShow();
    show->cues.row(4).Description = QStringLiteral("by hand");
    show->state.ShowChanged = true;
    ASSERT_TRUE(m_copy->update(*show, QString(), EnglishLabels, FirstWrite).ok());
    RecoveryFile::Details details;
    auto back = restored(&details);
    EXPECT_EQ(back->state.ShowMode, ManualShow);
    EXPECT_FALSE(back->state.SortPending);
    EXPECT_EQ(back->cues.row(4).TimeText, "00:00:00:00");
    EXPECT_EQ(back->cues.row(4).Description, "by hand");
    EXPECT_EQ(details.projectPath, "");
}

TEST_F(RecoveryCopy, IsAProjectFileThatAnyOpenReads) {
    auto show = changedShow();
    ASSERT_TRUE(m_copy->update(*show, QString(), EnglishLabels, FirstWrite).ok());
    auto opened = newShow();
    EXPECT_TRUE(ProjectReader(EnglishLabels, buildProjectCodecKey())
                    .load(m_copy->path(), *opened)
                    .error.ok());
    EXPECT_EQ(opened->cues.row(1).Description, "Comet, \"gold\"");
    EXPECT_EQ(opened->ics.cell(200, 16), "K 10-3");
}

TEST(RecoveryCopyDetails, EveryPathAndTimeComeBack) {
    const QString paths[] = {
        QString(),
        QStringLiteral("/home/li/李/show.zyn"),
        QStringLiteral("/shows/\"quoted\", with comma.zyn"),
        QStringLiteral("/shows/line\nbreak\r\n[RECOVERY]\n.zyn"),
        QStringLiteral("/shows/100% ÿ.zyn"),
    };
    const QDateTime times[] = {
        FirstWrite, QDateTime(QDate(2026, 1, 1), QTime(0, 0), Qt::UTC),
        QDateTime(QDate(2025, 7, 1), QTime(9, 5, 59), Qt::OffsetFromUTC, -4 * 3600)};
    for (const QString& path : paths) {
        for (const QDateTime& time : times) {
            SCOPED_TRACE(path.toStdString() + " " + time.toString(Qt::ISODate).toStdString());
            const QByteArray trailer = RecoveryFile::trailer(path, time);
            EXPECT_EQ(trailer.count('\n'), 3); // one line each, whatever the path holds
            const RecoveryFile::Details details =
                RecoveryFile::parseTrailer(serialized(*newShow()) + trailer);
            EXPECT_EQ(details.projectPath, path);
            EXPECT_EQ(details.written, time);
        }
    }
    // A copy that says nothing about itself still counts as one.
    EXPECT_FALSE(RecoveryFile::parseTrailer(serialized(*newShow())).written.isValid());
}

TEST_F(RecoveryCopy, IsWrittenAgainOnlyWhenTheShowOrItsFileChanged) {
    auto show = changedShow();
    const QDateTime later = FirstWrite.addSecs(60);
    ASSERT_TRUE(m_copy->update(*show, QStringLiteral("/a.zyn"), EnglishLabels, FirstWrite).ok());
    ASSERT_TRUE(m_copy->update(*show, QStringLiteral("/a.zyn"), EnglishLabels, later).ok());
    EXPECT_EQ(m_copy->find()->written, FirstWrite);

    show->ics.cell(2, 2) = QStringLiteral("2");
    ASSERT_TRUE(m_copy->update(*show, QStringLiteral("/a.zyn"), EnglishLabels, later).ok());
    EXPECT_EQ(m_copy->find()->written, later);

    ASSERT_TRUE(
        m_copy->update(*show, QStringLiteral("/b.zyn"), EnglishLabels, later.addSecs(60)).ok());
    EXPECT_EQ(m_copy->find()->projectPath, "/b.zyn");

    // A copy removed behind the program's back is written again.
    QFile::remove(m_copy->path());
    ASSERT_TRUE(
        m_copy->update(*show, QStringLiteral("/b.zyn"), EnglishLabels, later.addSecs(120)).ok());
    EXPECT_TRUE(QFile::exists(m_copy->path()));
}

TEST_F(RecoveryCopy, ASecondProgramOverTheSameFolderLeavesTheCopyAlone) {
    auto show = changedShow();
    ASSERT_TRUE(m_copy->update(*show, QString(), EnglishLabels, FirstWrite).ok());
    const QByteArray kept = test::fileContent(m_copy->path());

    auto second = std::make_unique<RecoveryFile>(m_dir.path(), buildProjectCodecKey());
    EXPECT_FALSE(second->claim());
    EXPECT_EQ(second->find(), std::nullopt);
    show->cues.row(1).Description = QStringLiteral("other program's show");
    EXPECT_TRUE(second->update(*show, QString(), EnglishLabels, FirstWrite).ok());
    second->remove();
    EXPECT_EQ(second->setAside(), "");
    EXPECT_EQ(test::fileContent(m_copy->path()), kept);

    // The lock of a program that has ended is free for the next one.
    m_copy.reset();
    EXPECT_TRUE(second->claim());
    EXPECT_TRUE(second->find().has_value());
}

TEST(RecoveryCopyWrite, AFailedWriteIsReportedAndKeepsThePreviousCopy) {
    const auto show = changedShow();
    const QByteArray previous =
        serialized(*show) + RecoveryFile::trailer(QStringLiteral("/a.zyn"), FirstWrite);
    // The program directory always exists; a missing one means no lock at all.
    for (const WriteFailure failure : {WriteFailure::ReadOnlyFile, WriteFailure::DiskFull}) {
        SCOPED_TRACE(nameOf(failure));
        FailingTarget target(failure, RecoveryFile::FileName, previous);
        std::optional<bool> reported;
        {
            RecoveryFile copy(QFileInfo(target.path()).absolutePath(), buildProjectCodecKey());
            ASSERT_TRUE(copy.claim());
            show->cues.row(9).Description = QStringLiteral("newer");
            reported = target.run([&] {
                const FileError error =
                    copy.update(*show, QString(), EnglishLabels, FirstWrite.addSecs(60));
                return error.kind == FileError::Kind::CannotWrite && error.number != 0 &&
                       error.path == target.path();
            });
        }
        if (!reported) {
            std::cout << "skipped: " << target.skipReason().toStdString() << "\n";
            continue;
        }
        EXPECT_TRUE(*reported);
        EXPECT_TRUE(target.untouched());
    }
}

TEST(RecoveryCopyLock, AFolderThatCannotHoldTheLockKeepsNoCopy) {
    QTemporaryDir dir;
    RecoveryFile copy(dir.filePath(QStringLiteral("gone")), buildProjectCodecKey());
    EXPECT_FALSE(copy.claim());
    auto show = changedShow();
    EXPECT_TRUE(copy.update(*show, QString(), EnglishLabels, FirstWrite).ok());
    EXPECT_TRUE(test::entriesOf(dir.path()).isEmpty());
}

} // namespace
