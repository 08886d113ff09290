// The soundtrack kept in its own file beside the project: where the audio
// path is stored, what comes back, and what a damaged file does to a load.
#include "ProjectFileTestSupport.h"
#include "fakes/TestFiles.h"
#include "show/ProjectFiles.h"
#include "soundtrack/SoundtrackFile.h"

#include <QDir>
#include <QTemporaryDir>
#include <gtest/gtest.h>

using namespace zyn;
using namespace zyn::test;

namespace {

class SoundtrackBesideProject : public ::testing::Test {
protected:
    QString path(const QString& relative) const { return m_dir.filePath(relative); }

    FileError save(const Soundtrack& soundtrack, const QString& project) {
        QDir().mkpath(QFileInfo(project).absolutePath());
        return m_files.save(*m_show, soundtrack, project);
    }

    ProjectFiles::Loaded load(const QString& project) {
        auto show = newShow();
        return m_files.load(project, *show);
    }

    QTemporaryDir m_dir;
    ProjectFiles m_files{EnglishLabels, buildProjectCodecKey()};
    std::unique_ptr<Show> m_show = newShow();
};

} // namespace

// Saving one soundtrack under several names is what Save As does: each
// companion stores the path for its own folder.
TEST_F(SoundtrackBesideProject, TheAudioPathIsRelativeOnlyBelowTheProjectsFolder) {
    const struct {
        const char* project;
        const char* audio;
        QString stored; // "" for the absolute path
    } cases[] = {
        {"show/a.zyn", "show/finale.wav", "finale.wav"},
        {"show/a.zyn", "show/music/Über uns.wav", "music/Über uns.wav"},
        {"show/a.zyn", "music/finale.wav", ""},
        {"show/a.zyn", "show2/finale.wav", ""},
        {"show/sub/a.zyn", "show/music/Über uns.wav", ""},
        {"a.zyn", "show/music/Über uns.wav", "show/music/Über uns.wav"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.project + std::string(" ") + c.audio);
        const QString project = path(c.project);
        const Soundtrack soundtrack{path(QString::fromUtf8(c.audio)), 9025, 2};
        ASSERT_TRUE(save(soundtrack, project).ok());
        const QString stored = c.stored.isEmpty() ? soundtrack.file : c.stored;
        EXPECT_EQ(QString::fromUtf8(fileContent(SoundtrackFile::pathFor(project))),
                  "[Soundtrack]\nFile=" + stored + "\nStart=00:01:30:25\nSegment=2\n");
        const ProjectFiles::Loaded loaded = load(project);
        EXPECT_TRUE(loaded.soundtrackError.ok());
        EXPECT_EQ(loaded.soundtrack, soundtrack);
    }
}

TEST_F(SoundtrackBesideProject, AShowWithoutSoundtrackTakesTheOldFileAway) {
    const QString project = path("show.zyn");
    ASSERT_TRUE(save({path("finale.wav"), 0, 1}, project).ok());
    ASSERT_TRUE(QFile::exists(path("show.zynaudio")));
    ASSERT_TRUE(save({}, project).ok());
    EXPECT_FALSE(QFile::exists(path("show.zynaudio")));
    EXPECT_FALSE(load(project).soundtrack.isSet());
}

TEST_F(SoundtrackBesideProject, ADamagedFileIsReportedAndTheShowLoadsWithoutMusic) {
    using Kind = FileError::Kind;
    const struct {
        QByteArray content;
        Kind kind;
        int line;
    } cases[] = {
        {"", Kind::Truncated, 0},
        {"[Soundtrack]\r\nFile=a.wav\r\n", Kind::Truncated, 0},
        {"File=a.wav\nStart=00:00:01:00\n", Kind::WrongType, 1},
        {"[Soundtrack]\nFile=a.wav\nStart=1:00\n", Kind::WrongType, 3},
        {"[Soundtrack]\nFile=a.wav\nStart=00:61:00:00\n", Kind::OutOfRange, 3},
        {"[Soundtrack]\nFile=a.wav\nStart=00:00:01:00\nSegment=0\n", Kind::OutOfRange, 4},
        {"[Soundtrack]\nFile=a.wav\nStart=00:00:01:00\nSegment=two\n", Kind::WrongType, 4},
        {"[Soundtrack]\nFile=a.wav\nFile=b.wav\nStart=00:00:01:00\n", Kind::WrongType, 3},
        {"[Soundtrack]\nFile=a.wav\nVolume=3\nStart=00:00:01:00\n", Kind::WrongType, 3},
        {"[Soundtrack]\nFile=\nStart=00:00:01:00\n", Kind::WrongType, 2},
        {"[Soundtrack]\nFile=a\xff.wav\nStart=00:00:01:00\n", Kind::WrongType, 2},
        {"[Soundtrack]\n" + QByteArray(SoundtrackFile::MaxFileSize, ';'), Kind::WrongType, 0},
    };
    const QString project = path("show.zyn");
    ASSERT_TRUE(save({}, project).ok());
    for (const auto& c : cases) {
        SCOPED_TRACE(c.content.left(60).toStdString());
        ASSERT_TRUE(putFile(path("show.zynaudio"), c.content));
        const ProjectFiles::Loaded loaded = load(project);
        EXPECT_TRUE(loaded.error.ok());
        EXPECT_EQ(loaded.soundtrackError.kind, c.kind);
        EXPECT_EQ(loaded.soundtrackError.line, c.line);
        EXPECT_EQ(loaded.soundtrackError.path, path("show.zynaudio"));
        EXPECT_FALSE(loaded.soundtrack.isSet());
    }
}

TEST_F(SoundtrackBesideProject, AHandEditedFileReadsAsTheProgramsOwn) {
    const QString project = path("show.zyn");
    ASSERT_TRUE(save({}, project).ok());
    ASSERT_TRUE(putFile(path("show.zynaudio"), "\xEF\xBB\xBF; the finale\r\n[soundtrack]\r\n\r\n"
                                               "file=music/../music/a.wav\r\n"
                                               " start = 00:00:02.50 \r\n"));
    const ProjectFiles::Loaded loaded = load(project);
    EXPECT_TRUE(loaded.soundtrackError.ok());
    EXPECT_EQ(loaded.soundtrack, (Soundtrack{path("music/a.wav"), 250, 1}));
}
