// The timeline's modifiers with the real pointer: Shift frees a dragged
// marker from the beats, Ctrl turns the wheel into zoom.
#include "RealKeyboardTest.h"
#include "editor/ui/CueGridModel.h"
#include "editor/ui/EditorWindow.h"
#include "editor/ui/ShowGridView.h"
#include "timeline/ui/TimelinePane.h"
#include "timeline/ui/TimelineView.h"

#include <QUndoStack>

using namespace zyn;
using namespace zyn::test;

namespace {

class TimelinePointer : public RealKeyboardTest {
protected:
    void SetUp() override {
        RealKeyboardTest::SetUp();
        if (HasFatalFailure() || IsSkipped())
            return;
        window->resize(1200, 800);
        for (int r = 1; r <= 3; ++r)
            document->show.cues.row(r).TimeText = QStringLiteral("00:00:0%1:00").arg(r);
        emit document->showReplaced();
        auto audio = std::make_shared<SoundtrackAudio>();
        for (int i = 0; i < 40; ++i)
            audio->beats.beats.push_back(i * 0.5);
        document->setSoundtrack({path("music.wav"), 0, 1});
        document->setAudio(audio);
        settle();
    }

    TimelineView& view() { return window->editor().timeline().view(); }
    QString time(int row) const { return document->show.cues.row(row).TimeText; }
    QStringList at(const QPoint& local) {
        const QPoint global = view().mapToGlobal(local);
        return {QStringLiteral("mousemove"), QString::number(global.x()),
                QString::number(global.y())};
    }
    // Drags cue 2's marker `dx` pixels to the right with `held` pressed.
    QStringList dragOfCue2(int dx, const QString& held) {
        const QPoint from(view().markerX(2), view().height() / 2);
        QStringList commands = at(from);
        commands << QStringLiteral("keydown") << held << QStringLiteral("mousedown")
                 << QStringLiteral("1") << at(from + QPoint(dx / 2, 0)) << at(from + QPoint(dx, 0))
                 << QStringLiteral("mouseup") << QStringLiteral("1") << QStringLiteral("keyup")
                 << held;
        return commands;
    }
};

TEST_F(TimelinePointer, ShiftDragsFreelyAndCtrlWheelZooms) {
    const int dx = int(230 / view().scale().perPixel); // from 2.00 s to 4.30 s
    ASSERT_TRUE(keys->gesture(dragOfCue2(dx, QStringLiteral("shift"))));
    EXPECT_TRUE(QTest::qWaitFor([&] { return time(2) == "00:00:04:30"; }, WaitMs))
        << time(2).toStdString();

    document->history().undo();
    settle();
    // Without Shift (a held Ctrl changes nothing here) the beat at 4.50 s wins.
    ASSERT_TRUE(keys->gesture(dragOfCue2(dx, QStringLiteral("ctrl"))));
    EXPECT_TRUE(QTest::qWaitFor([&] { return time(2) == "00:00:04:50"; }, WaitMs))
        << time(2).toStdString();

    const double before = view().scale().perPixel;
    QStringList wheel = at(QPoint(view().width() / 2, view().height() / 2));
    wheel << QStringLiteral("keydown") << QStringLiteral("ctrl") << QStringLiteral("click")
          << QStringLiteral("4") << QStringLiteral("keyup") << QStringLiteral("ctrl");
    ASSERT_TRUE(keys->gesture(wheel));
    EXPECT_TRUE(QTest::qWaitFor([&] { return view().scale().perPixel < before; }, WaitMs));
}

} // namespace
