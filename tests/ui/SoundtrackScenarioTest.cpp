// The show's soundtrack as the document keeps it across save, new and open.
#include "UiTestSupport.h"
#include "fakes/TestFiles.h"

#include <QDir>
#include <QFile>

using namespace zyn;
using namespace zyn::test;

namespace {

using SoundtrackScenario = UiTest;

} // namespace

TEST_F(SoundtrackScenario, TheSoundtrackIsSavedWithTheShowAndANewShowHasNone) {
    const Soundtrack music{path("music/finale.wav"), 1525, 2};
    document->setSoundtrack(music);
    EXPECT_TRUE(document->show.state.ShowChanged);

    files.choose(path("first"));
    window->ExecuteCommand("keyDateiSaveAs");
    ASSERT_TRUE(QFile::exists(path("first.zynaudio")));
    EXPECT_FALSE(document->show.state.ShowChanged);

    window->startNewShow(TimeCodedShow);
    EXPECT_FALSE(document->soundtrack().isSet());

    window->openProject(path("first.zyn"));
    EXPECT_EQ(document->soundtrack(), music);
    EXPECT_FALSE(document->show.state.ShowChanged);
}

TEST_F(SoundtrackScenario, AShowWhoseAudioIsGoneLoadsWithAWarningNamingIt) {
    files.choose(path("show"));
    window->ExecuteCommand("keyDateiSaveAs");
    ASSERT_TRUE(putFile(path("show.zynaudio"), "[Soundtrack]\nFile=gone.wav\nStart=00:00:10:00\n"));
    prompter.clear();

    window->openProject(path("show.zyn"));

    ASSERT_EQ(prompter.count(ScriptedPrompter::Kind::Warning), 1);
    EXPECT_TRUE(prompter.shown().last().text.contains(QDir::toNativeSeparators(path("gone.wav"))))
        << prompter.shown().last().text.toStdString();
    EXPECT_EQ(document->show.state.ProjectPath, path("show.zyn"));
    EXPECT_EQ(document->soundtrack(), (Soundtrack{path("gone.wav"), 1000, 1}));
}
