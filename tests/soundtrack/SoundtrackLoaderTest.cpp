// The soundtrack loader's worker: what it announces, and that a newer load
// silences an older one.
#include "soundtrack/SoundtrackLoader.h"

#include "fakes/CoreApplicationScope.h"
#include "fakes/FakeAudioDecoder.h"

#include <QEventLoop>
#include <QTimer>
#include <gtest/gtest.h>

using namespace zyn;

namespace {

struct Announced {
    std::vector<double> progress;
    std::vector<std::shared_ptr<const SoundtrackAudio>> finished;
    QStringList failed;
};

class SoundtrackLoading : public ::testing::Test {
protected:
    SoundtrackLoading() {
        QObject::connect(&m_loader, &SoundtrackLoader::progress,
                         [this](double f) { m_announced.progress.push_back(f); });
        QObject::connect(&m_loader, &SoundtrackLoader::finished,
                         [this](auto audio) { m_announced.finished.push_back(audio); });
        QObject::connect(&m_loader, &SoundtrackLoader::failed,
                         [this](const QString& message) { m_announced.failed.append(message); });
    }

    // Runs the event loop until the loader is idle, then a little longer for
    // anything announced late.
    void settle() {
        QEventLoop loop;
        QTimer poll;
        QObject::connect(&poll, &QTimer::timeout, [&] {
            if (!m_loader.isLoading())
                loop.quit();
        });
        poll.start(10);
        QTimer::singleShot(5000, &loop, &QEventLoop::quit);
        loop.exec();
        QTimer::singleShot(100, &loop, &QEventLoop::quit);
        loop.exec();
    }

    test::CoreApplicationScope m_app;
    test::FakeAudioDecoder m_decoder;
    test::FakeBeatTracker m_tracker;
    SoundtrackLoader m_loader{m_decoder, m_tracker};
    Announced m_announced;
};

TEST_F(SoundtrackLoading, ANewerLoadSilencesTheOlderAndOnlyItsResultIsAnnounced) {
    m_loader.load(QStringLiteral("slow"));
    QThread::msleep(50);
    m_loader.load(QStringLiteral("silence"));
    settle();
    ASSERT_EQ(m_announced.finished.size(), 1u);
    EXPECT_TRUE(m_announced.failed.isEmpty());
    const SoundtrackAudio& audio = *m_announced.finished.front();
    EXPECT_EQ(audio.audio.frames(), 1000);
    EXPECT_EQ(audio.peaks.frames(), 1000);
    EXPECT_EQ(audio.beats.beats.size(), 10u);
    ASSERT_FALSE(m_announced.progress.empty());
    EXPECT_TRUE(std::is_sorted(m_announced.progress.begin(), m_announced.progress.end()));
    EXPECT_GE(m_announced.progress.front(), 0.0);
    EXPECT_LE(m_announced.progress.back(), 1.0);
}

TEST_F(SoundtrackLoading, ARefusedFileIsAnnouncedAsFailedWithTheDecodersMessage) {
    m_loader.load(QStringLiteral("damaged.mp3"));
    settle();
    EXPECT_TRUE(m_announced.finished.empty());
    EXPECT_EQ(m_announced.failed, QStringList{QStringLiteral("damaged.mp3")});
}

} // namespace
