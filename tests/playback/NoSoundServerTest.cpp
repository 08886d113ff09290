// Without a sound server playing warns that there is no sound output, and
// the program goes on. The sound server of this program lives as long as the
// program, so the case runs in a second run of it started without one.
#include "SoundServer.h"
#include "TestTrack.h"
#include "platform/Prompter.h"
#include "soundtrack/SoundtrackAudio.h"
#include "timeline/ui/Playback.h"
#include "timeline/ui/PlaybackTextId.h"
#include "ui/UiTestSupport.h"

#include <QProcess>

using namespace zyn;
using namespace zyn::test;

namespace {

class WithoutSoundServer : public UiTest {};

TEST(NoSoundServer, PlayingWarnsThatNoSoundOutputIsAvailable) {
    QProcess run;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QLatin1String(WithoutSoundServerVariable), QStringLiteral("1"));
    run.setProcessEnvironment(environment);
    run.setProcessChannelMode(QProcess::MergedChannels);
    run.start(QCoreApplication::applicationFilePath(),
              {QStringLiteral("--gtest_filter=WithoutSoundServer.*"),
               QStringLiteral("--gtest_also_run_disabled_tests")});
    ASSERT_TRUE(run.waitForFinished(60000));
    const QString output = QString::fromUtf8(run.readAll());
    EXPECT_EQ(run.exitStatus(), QProcess::NormalExit) << output.toStdString();
    EXPECT_EQ(run.exitCode(), 0) << output.toStdString();
    EXPECT_TRUE(output.contains(QStringLiteral("[  PASSED  ] 1 test."))) << output.toStdString();
}

// Disabled: only the test above runs it, in a process without a server.
TEST_F(WithoutSoundServer, DISABLED_PlayingWarnsAndStaysStopped) {
    ASSERT_TRUE(withoutSoundServer());
    document->setSoundtrack({path(QStringLiteral("music.wav")), 0, 1});
    auto audio = std::make_shared<SoundtrackAudio>();
    audio->audio = *noiseTrack(1.0);
    document->setAudio(audio);
    Playback playback(*document);
    playback.play();
    EXPECT_FALSE(playback.playing());
    ASSERT_EQ(prompter.count(ScriptedPrompter::Kind::Warning), 1);
    EXPECT_EQ(prompter.shown().last().text, text(PlaybackTextId::NoSoundOutput));
}

} // namespace
