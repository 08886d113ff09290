// The timeline pane under the editor's grids: dragging markers, following the
// cue grid's selection, its segments and its place in the window.
#include "UiTestSupport.h"
#include "editor/ui/CueGridModel.h"
#include "editor/ui/EditorWindow.h"
#include "editor/ui/ShowGridView.h"
#include "fakes/ClickTrack.h"
#include "fakes/TestFiles.h"
#include "settings/TextId.h"
#include "timeline/ui/TimelinePane.h"
#include "timeline/ui/TimelineTextId.h"
#include "timeline/ui/TimelineView.h"

#include <QAction>
#include <QLineEdit>
#include <QPushButton>
#include <QSpinBox>
#include <QUndoStack>
#include <memory>

using namespace zyn;
using namespace zyn::test;

namespace {

class TimelineScenario : public UiTest {
protected:
    void SetUp() override {
        UiTest::SetUp();
        window->resize(1200, 800);
        settle();
    }

    // Cue rows with their time texts; the document announces the new show.
    void cues(const QStringList& times) {
        for (int r = 1; r <= times.size(); ++r)
            document->show.cues.row(r).TimeText = times[r - 1];
        emit document->showReplaced();
        settle();
    }
    // A soundtrack at 00:00:00:00 in `segment` with a beat every half second.
    void beatsEveryHalfSecond(int segment = 1) {
        auto audio = std::make_shared<SoundtrackAudio>();
        for (int i = 0; i < 40; ++i)
            audio->beats.beats.push_back(i * 0.5);
        document->setSoundtrack({path("music.wav"), 0, segment});
        document->setAudio(audio);
    }

    TimelineView& view() { return window->editor().timeline().view(); }
    ShowGridView& cueGrid() { return window->editor().cueGrid(); }
    std::vector<int> shownRows() {
        std::vector<int> rows;
        for (const TimelineMarker& marker : view().content().markers)
            rows.push_back(marker.row);
        return rows;
    }
    void drag(int row, int dx) {
        const QPoint from(view().markerX(row), view().height() / 2);
        const QPoint to = from + QPoint(dx, 0);
        QTest::mousePress(&view(), Qt::LeftButton, Qt::NoModifier, from);
        QTest::mouseMove(&view(), from + QPoint(dx / 2, 0));
        QTest::mouseMove(&view(), to);
        QTest::mouseRelease(&view(), Qt::LeftButton, Qt::NoModifier, to);
        settle();
    }
    QString timeOnScreen(int row) {
        return cueGrid().model()->index(row - 1, CueGridModel::TimeColumn).data().toString();
    }
};

TEST_F(TimelineScenario, ADragIsOneUndoStepAndLandsOnTheNearestBeat) {
    cues({"00:00:01:00", "00:00:02:00", "00:00:03:00"});
    beatsEveryHalfSecond();
    const double perPixel = view().scale().perPixel;
    const int steps = document->history().count();

    drag(2, int(230 / perPixel)); // 2.00 s + 2.30 s: the beat at 4.50 s
    EXPECT_EQ(timeOnScreen(2), "00:00:04:50");
    EXPECT_EQ(document->history().count(), steps + 1);
    EXPECT_TRUE(document->show.state.SortPending);
    EXPECT_TRUE(document->show.state.ShowChanged);

    document->history().undo();
    settle();
    EXPECT_EQ(timeOnScreen(2), "00:00:02:00");
}

TEST_F(TimelineScenario, SelectionFollowsTheCueGridAndTheMarkers) {
    cues({"00:00:01:00", "00:00:02:00", "00:00:03:00"});
    const QPoint third(view().markerX(3), view().height() / 2);
    QTest::mouseClick(&view(), Qt::LeftButton, Qt::NoModifier, third);
    EXPECT_EQ(cueGrid().currentIndex().row(), 2);

    QAbstractItemModel* model = cueGrid().model();
    const QModelIndex first = model->index(0, CueGridModel::TimeColumn);
    QTest::mouseClick(cueGrid().viewport(), Qt::LeftButton, Qt::NoModifier,
                      cueGrid().visualRect(first).center());
    QTest::mouseClick(cueGrid().viewport(), Qt::LeftButton, Qt::ShiftModifier,
                      cueGrid().visualRect(first.siblingAtRow(1)).center());
    EXPECT_EQ(view().content().selection, (RowSpan{1, 2}));
}

TEST_F(TimelineScenario, OnlyTheMarkersOfTheCurrentCuesSegmentAreShown) {
    const QString reset = text(TextId::ResetStopLabel) + QStringLiteral(" #1");
    cues({"00:00:01:00", "00:00:02:00", reset, "00:00:00:50"});
    beatsEveryHalfSecond(2);
    cueGrid().setCurrentIndex(cueGrid().model()->index(0, CueGridModel::TimeColumn));
    EXPECT_EQ(shownRows(), (std::vector<int>{1, 2}));
    EXPECT_EQ(view().content().audio, nullptr);

    cueGrid().setCurrentIndex(cueGrid().model()->index(3, CueGridModel::TimeColumn));
    EXPECT_EQ(shownRows(), (std::vector<int>{3, 4}));
    EXPECT_NE(view().content().audio, nullptr);
}

TEST_F(TimelineScenario, AHiddenTimelineStaysHiddenAfterARestart) {
    TimelinePane* pane = &window->editor().timeline();
    ASSERT_TRUE(pane->isVisible());
    window->ExecuteCommand(QStringLiteral("keyExtraTimeline"));
    EXPECT_FALSE(pane->isVisible());

    window.reset();
    window = std::make_unique<MainWindow>(*document);
    window->show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(window.get()));
    EXPECT_FALSE(window->editor().timeline().isVisible());
    EXPECT_FALSE(window->action(QStringLiteral("mnukeyExtraTimeline"))->isChecked());
}

TEST_F(TimelineScenario, TheSoundtrackDialogSetsFileStartAndSegmentAndRefusesABadTime) {
    ASSERT_TRUE(putFile(path("finale.wav"), "RIFF"));
    files.choose(path("finale.wav"));
    int tries = 0;
    onModal([&](QWidget* dialog) {
        QTest::mouseClick(child<QPushButton>(*dialog, "soundtrackBrowse"), Qt::LeftButton);
        auto* start = child<QLineEdit>(*dialog, "soundtrackStart");
        child<QSpinBox>(*dialog, "soundtrackSegment")->setValue(2);
        for (const char* typed : {"25:00:00:00", "1:30:50"}) {
            ++tries;
            start->setText(QLatin1String(typed));
            QTest::keyClick(start, Qt::Key_Return);
        }
    });
    window->ExecuteCommand(QStringLiteral("keyExtraSoundtrack"));

    EXPECT_EQ(tries, 2);
    EXPECT_EQ(prompter.count(ScriptedPrompter::Kind::Warning), 1);
    EXPECT_EQ(document->soundtrack(), (Soundtrack{path("finale.wav"), 9050, 2}));
}

TEST_F(TimelineScenario, AChosenSoundtrackIsDecodedWhileTheWindowAnswersAndABadOneIsNamed) {
    const ClickTrack track;
    ASSERT_TRUE(track.write(path("clicks.flac"), SF_FORMAT_FLAC | SF_FORMAT_PCM_16));
    document->setSoundtrack({path("clicks.flac"), 0, 1});
    auto* progress = find<QWidget>("soundtrackDecoding");
    ASSERT_NE(progress, nullptr);
    EXPECT_TRUE(progress->isVisible());
    ASSERT_TRUE(QTest::qWaitFor([&] { return document->audio() != nullptr; }, 20000));
    EXPECT_FALSE(progress->isVisible());
    EXPECT_NEAR(document->audio()->audio.duration(), track.seconds, 0.01);
    EXPECT_GE(document->audio()->beats.beats.size(), 15u);
    EXPECT_TRUE(prompter.shown().isEmpty());

    ASSERT_TRUE(putFile(path("broken.flac"), QByteArray("fLaC") + QByteArray(4096, '\x7f')));
    document->setSoundtrack({path("broken.flac"), 0, 1});
    ASSERT_TRUE(QTest::qWaitFor(
        [&] { return prompter.count(ScriptedPrompter::Kind::Warning) == 1; }, 20000));
    EXPECT_TRUE(
        prompter.shown().last().text.startsWith(text(TimelineTextId::SoundtrackUnreadable) + '\n' +
                                                QDir::toNativeSeparators(path("broken.flac"))));
    EXPECT_EQ(document->audio(), nullptr);
}

} // namespace
