// Playback of the soundtrack against a real sound server: the cues of the
// segment fire when the sink plays their sample, light in the grids, and a
// stop holds the music until it is played on.
#include "SoundtrackTest.h"
#include "editor/ui/CueGridModel.h"
#include "editor/ui/FiringHighlight.h"
#include "editor/ui/IcGridModel.h"
#include "editor/ui/ShowGridView.h"

using namespace zyn;
using namespace zyn::test;

namespace {

class SoundtrackPlayback : public SoundtrackTest {};

struct Reached {
    int row;
    qint64 atNs;
    bool rowLit;
    bool channelLit;
};

constexpr qint64 CueToleranceFrames = PulseAudioService::SampleRate * 15 / 1000; // a tick and 10 ms

TEST_F(SoundtrackPlayback, CuesFireWhenTheirSamplePlaysLightAndAStopHoldsTheMusic) {
    useTrack(3.0, 100);
    setTime(1, QStringLiteral("00:00:01:20"));
    setTime(2, QStringLiteral("00:00:01:60"));
    setTime(3, document->texts().stopLabels().stop);
    setTime(4, QStringLiteral("00:00:02:00"));
    document->show.ics.cell(1, 3) = QStringLiteral("2");
    QAbstractItemModel* cues = find<ShowGridView>(QStringLiteral("MSHFlexGrid_Time"))->model();
    QAbstractItemModel* channels = find<ShowGridView>(QStringLiteral("MSHFlexGrid_Slave"))->model();
    const auto lit = [](QAbstractItemModel* model, int row, int column) {
        return model->index(row, column).data(Qt::BackgroundRole) ==
               QVariant(FiringHighlight::brush());
    };
    std::vector<Reached> reached;
    QObject::connect(playback, &Playback::cueReached, [&](int row) {
        reached.push_back({row, SinkRecorder::nowNs(), lit(cues, row - 1, 0), lit(channels, 0, 2)});
    });

    playback->seek(100);
    playback->play();
    ASSERT_TRUE(playback->playing());
    ASSERT_TRUE(QTest::qWaitFor([&] { return !playback->playing(); }, 3000));
    ASSERT_TRUE(recorder->locate(*track, 0));
    EXPECT_EQ(playback->position(), 160);
    ASSERT_EQ(reached.size(), 3u);
    const int times[] = {120, 160, 160};
    for (int i = 0; i < 3; ++i) {
        SCOPED_TRACE(i);
        EXPECT_EQ(reached[i].row, i + 1);
        EXPECT_NEAR(recorder->trackFrameAtNs(reached[i].atNs), (times[i] - 100) * Rate / 100,
                    CueToleranceFrames);
        EXPECT_TRUE(reached[i].rowLit);
    }
    EXPECT_FALSE(reached[0].channelLit);
    EXPECT_TRUE(reached[1].channelLit);
    EXPECT_TRUE(QTest::qWaitFor([&] { return !lit(cues, 1, 0) && !lit(channels, 0, 2); },
                                FiringHighlight::LitMs * 3));

    playback->play();
    ASSERT_TRUE(QTest::qWaitFor([&] { return reached.size() == 4; }, 1500));
    EXPECT_EQ(reached[3].row, 4);
    EXPECT_TRUE(playback->playing());
}

} // namespace
