#pragma once

#include "SinkRecorder.h"
#include "SoundServer.h"
#include "TestTrack.h"
#include "editor/ui/EditorWindow.h"
#include "editor/ui/PlaybackLink.h"
#include "keyboard/RealKeyboardTest.h"
#include "soundtrack/SoundtrackAudio.h"
#include "timeline/ui/Playback.h"

namespace zyn::test {

// The main window with a soundtrack of noise at the sound server's rate, and
// a recording of everything the server plays.
class SoundtrackTest : public RealKeyboardTest {
protected:
    static constexpr int Rate = PulseAudioService::SampleRate;

    void SetUp() override {
        ZYN_REQUIRE_SERVICE(soundServerProblem().isEmpty(),
                            "no sound server: " + soundServerProblem().toStdString());
        RealKeyboardTest::SetUp();
        if (HasFatalFailure() || IsSkipped())
            return;
        auto* editor = find<EditorWindow>(QStringLiteral("frmProjektfenster"));
        ASSERT_NE(editor, nullptr);
        playback = &editor->playback().playback();
        recorder = std::make_unique<SinkRecorder>(PulseAudioService::monitor(), Rate,
                                                  PulseAudioService::Channels);
        ASSERT_TRUE(recorder->start());
    }

    void TearDown() override {
        if (playback)
            playback->pause();
        recorder.reset();
        RealKeyboardTest::TearDown();
    }

    void useTrack(double seconds, int startCentiseconds) {
        track = noiseTrack(seconds);
        document->setSoundtrack({path(QStringLiteral("music.wav")), startCentiseconds, 1});
        auto audio = std::make_shared<SoundtrackAudio>();
        audio->audio = *track;
        document->setAudio(audio);
    }

    void setTime(int row, const QString& text) { document->show.cues.row(row).TimeText = text; }

    std::shared_ptr<DecodedAudio> track;
    Playback* playback = nullptr;
    std::unique_ptr<SinkRecorder> recorder;
};

} // namespace zyn::test
