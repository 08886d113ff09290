// Opening a workbook keeps the window alive: the reading runs on another
// thread while timers and painting go on, and its result comes back whole.
#include "fakes/QtPrinters.h"
#include "platform/widgets/ResponsiveSpreadsheetEngine.h"

#include <QThread>
#include <QTimer>
#include <gtest/gtest.h>
#include <thread>

using namespace zyn;

namespace {

// Fails every open after `delayMs`, naming the path, and notes the thread
// that read.
class SlowEngine : public SpreadsheetEngine {
public:
    explicit SlowEngine(int delayMs) : m_delayMs(delayMs) {}

    bool available() const override { return true; }
    Opened open(const QString& path) const override {
        readingThread = std::this_thread::get_id();
        QThread::msleep(unsigned(m_delayMs));
        return {nullptr, {WorkbookError::Kind::Damaged, path}};
    }

    mutable std::thread::id readingThread;

private:
    int m_delayMs;
};

TEST(ResponsiveEngine, ReadsOnAnotherThreadWhileTheWindowsTimersRun) {
    for (const int delayMs : {0, 300}) {
        SCOPED_TRACE(delayMs);
        const SlowEngine slow(delayMs);
        const ResponsiveSpreadsheetEngine engine(slow);
        bool ticked = false;
        QTimer timer;
        timer.setSingleShot(true);
        QObject::connect(&timer, &QTimer::timeout, [&] { ticked = true; });
        timer.start(50);
        const SpreadsheetEngine::Opened opened = engine.open(QStringLiteral("/shows/cues.ods"));
        EXPECT_NE(slow.readingThread, std::this_thread::get_id());
        EXPECT_EQ(opened.workbook, nullptr);
        EXPECT_EQ(opened.error.kind, WorkbookError::Kind::Damaged);
        EXPECT_EQ(opened.error.detail, "/shows/cues.ods");
        EXPECT_EQ(ticked, delayMs > 50); // the timer ran only while the reading took long
    }
}

} // namespace
