// Tap to cue with real key presses while the music plays through a real
// sound server: each F11 writes the time of the sample the sink played at
// the press into the current cue and moves to the next row.
#include "SoundtrackTest.h"
#include "editor/TimeCode.h"
#include "editor/ui/ShowGridView.h"

#include <QKeyEvent>
#include <QUndoStack>

using namespace zyn;
using namespace zyn::test;

namespace {

class TapToCue : public SoundtrackTest {};

// When the program receives each F11 press: the shortcut takes the key at
// its override event, which reaches every widget up the focus chain, so
// repeats within a few milliseconds are the same press.
class PressClock : public QObject {
public:
    std::vector<qint64> pressedNs;

protected:
    bool eventFilter(QObject*, QEvent* event) override {
        constexpr qint64 SamePressNs = 100'000'000;
        if (event->type() != QEvent::ShortcutOverride ||
            static_cast<QKeyEvent*>(event)->key() != Qt::Key_F11)
            return false;
        const qint64 now = SinkRecorder::nowNs();
        if (pressedNs.empty() || now - pressedNs.back() > SamePressNs)
            pressedNs.push_back(now);
        return false;
    }
};

constexpr qint64 TapToleranceFrames = PulseAudioService::SampleRate / 100; // 10 ms

TEST_F(TapToCue, F11WritesTheTimeOfTheSampleHeardAndMovesToTheNextCue) {
    useTrack(4.0, 0);
    auto* grid = find<ShowGridView>(QStringLiteral("MSHFlexGrid_Time"));
    grid->setFocus();
    grid->setCurrentIndex(grid->model()->index(4, 0));
    PressClock clock;
    qApp->installEventFilter(&clock);
    const int undoSteps = document->history().count();

    playback->play();
    const int taps[] = {80, 150, 230};
    for (int i = 0; i < 3; ++i) {
        ASSERT_TRUE(QTest::qWaitFor([&] { return playback->position() >= taps[i]; }, 4000));
        EXPECT_TRUE(pressUntil(QStringLiteral("F11"),
                               [&] { return document->show.cues.row(5 + i).isInUse(); }))
            << "tap " << i;
    }
    qApp->removeEventFilter(&clock);
    playback->pause();
    ASSERT_TRUE(recorder->locate(*track, 0));

    ASSERT_EQ(clock.pressedNs.size(), 3u);
    for (int i = 0; i < 3; ++i) {
        const QString written = document->show.cues.row(5 + i).TimeText;
        SCOPED_TRACE(written.toStdString());
        ASSERT_TRUE(TimeCode::hasForm(written));
        const qint64 writtenFrame =
            TimeCode::readPositional(written).totalHundredths() * Rate / 100;
        EXPECT_NEAR(writtenFrame, recorder->trackFrameAtNs(clock.pressedNs[i]), TapToleranceFrames);
    }
    EXPECT_EQ(grid->currentIndex().row(), 7);
    EXPECT_EQ(document->history().count(), undoSteps + 3);
    EXPECT_TRUE(document->show.state.SortPending);
    EXPECT_TRUE(document->show.state.ShowChanged);
}

} // namespace
