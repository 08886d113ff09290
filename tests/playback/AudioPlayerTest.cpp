// The player against a real sound server: what the sink plays is the track
// from the frame asked for, and the frame the player reports is the one the
// sink plays at that moment.
#include "platform/audio/AudioPlayer.h"

#include "SinkRecorder.h"
#include "SoundServer.h"
#include "TestTrack.h"
#include "fakes/ServiceRequirement.h"

#include <QTest>
#include <gtest/gtest.h>

using namespace zyn;
using namespace zyn::test;

namespace {

constexpr int Rate = PulseAudioService::SampleRate;
constexpr int Channels = PulseAudioService::Channels;
constexpr qint64 ToleranceFrames = Rate / 100; // 10 ms

struct Reading {
    qint64 atNs;
    qint64 frame;
};

TEST(AudioPlayer, PlaysTheTrackFromTheFrameAskedAndReportsTheFrameTheSinkPlays) {
    ZYN_REQUIRE_SERVICE(soundServerProblem().isEmpty(),
                        "no sound server: " + soundServerProblem().toStdString());
    const auto track = noiseTrack(3.0);
    const qint64 firstFrame = Rate / 2;
    SinkRecorder recorder(PulseAudioService::monitor(), Rate, Channels);
    ASSERT_TRUE(recorder.start());
    QTest::qWait(300); // the recording runs before the track starts

    AudioPlayer player;
    ASSERT_TRUE(player.play(track, firstFrame)) << int(player.error());
    std::vector<Reading> readings;
    for (int i = 0; i < 30; ++i) {
        QTest::qWait(37);
        const qint64 heard = player.heardFrame();
        if (heard > firstFrame)
            readings.push_back({SinkRecorder::nowNs(), heard});
    }
    QTest::qWait(200);
    recorder.stop();
    player.stop();

    ASSERT_TRUE(recorder.locate(*track, firstFrame))
        << "the sink did not play the track from the frame asked";
    const std::vector<qint16> recording = recorder.samples();
    const qint64 compared =
        std::min<qint64>(Rate, qint64(recording.size()) / Channels - recorder.recordedStart());
    ASSERT_GT(compared, Rate / 2);
    const auto played = recording.begin() + recorder.recordedStart() * Channels;
    EXPECT_TRUE(std::equal(played, played + compared * Channels,
                           track->samples.begin() + recorder.trackStart() * Channels))
        << "the sink did not play the track's samples";

    ASSERT_GE(readings.size(), 20u);
    for (const Reading& reading : readings) {
        const qint64 sinkFrame = recorder.trackFrameAtNs(reading.atNs);
        EXPECT_NEAR(reading.frame, sinkFrame, ToleranceFrames);
    }
}

} // namespace
