// The soundtrack on its way through zynctl: JSON in, the file beside the
// project, JSON out.
#include "ZynCtlRun.h"

#include <QDir>
#include <QFile>
#include <gtest/gtest.h>

using namespace zyn;

namespace {

using Result = test::CliResult;
using SoundtrackJson = test::ZynCtlFolderTest;

QByteArray showJson(const QByteArray& soundtrack) {
    return "{\n"
           "  \"mode\": 1,\n"
           "  \"sortPending\": false,\n" +
           (soundtrack.isEmpty() ? QByteArray() : "  \"soundtrack\": " + soundtrack + ",\n") +
           "  \"cues\": [\n"
           "    {\"row\": 1, \"time\": \"00:00:05:00\", \"description\": \"Comet\"}\n"
           "  ],\n"
           "  \"channels\": []\n"
           "}\n";
}

} // namespace

TEST_F(SoundtrackJson, BuildThenDumpKeepsTheSoundtrack) {
    const struct {
        const char* name;
        QByteArray soundtrack;
    } cases[] = {
        {"below the project's folder",
         R"({"file": "music/Finale über.wav", "start": "00:01:30:25"})"},
        {"outside it", R"({"file": "/srv/audio/finale.flac", "start": "00:00:00:00"})"},
        {"a later segment", R"({"file": "finale.wav", "start": "01:02:03:04", "segment": 3})"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        const QByteArray json = showJson(c.soundtrack);
        writeFile("show.json", json);
        const Result built = run({"build", path("show.json"), "-o", path("show.zyn")});
        ASSERT_EQ(built.status, ZynCtl::Success) << built.err.toStdString();
        EXPECT_TRUE(QFile::exists(path("show.zynaudio")));
        const Result dumped = run({"dump", path("show.zyn")});
        EXPECT_EQ(dumped.out, json);
        EXPECT_EQ(dumped.err, "");
    }
    // Building a show without one takes the old soundtrack away.
    writeFile("show.json", showJson({}));
    ASSERT_EQ(run({"build", path("show.json"), "-o", path("show.zyn")}).status, ZynCtl::Success);
    EXPECT_FALSE(QFile::exists(path("show.zynaudio")));
    EXPECT_EQ(run({"dump", path("show.zyn")}).out, showJson({}));
}

TEST_F(SoundtrackJson, SortingIntoAnotherFolderFindsTheSameAudio) {
    writeFile("show.json", showJson(R"({"file": "music/finale.wav", "start": "00:00:10:00"})"));
    ASSERT_EQ(run({"build", path("show.json"), "-o", path("show.zyn")}).status, ZynCtl::Success);
    ASSERT_TRUE(QDir(m_dir.path()).mkdir("copies"));

    const Result sorted = run({"sort", path("show.zyn"), "-o", path("copies/sorted.zyn")});
    ASSERT_EQ(sorted.status, ZynCtl::Success) << sorted.err.toStdString();

    const QByteArray audio = QDir(m_dir.path()).filePath("music/finale.wav").toUtf8();
    EXPECT_EQ(run({"dump", path("copies/sorted.zyn")}).out,
              showJson(R"({"file": ")" + audio + R"(", "start": "00:00:10:00"})"));
}
