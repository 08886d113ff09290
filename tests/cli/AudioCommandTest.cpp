// zynctl audio on click tracks written in every format the decoder reads,
// and on files that are damaged, of no audio format, or missing.
#include "ZynCtlRun.h"
#include "cli/ZynCtl.h"
#include "fakes/ClickTrack.h"
#include "fakes/CoreApplicationScope.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QRandomGenerator>
#include <cmath>
#include <gtest/gtest.h>

using namespace zyn;

namespace {

struct Format {
    const char* file;
    int format;
    // Lossy encoders pad the end to whole frames.
    double durationTolerance;
};

const Format Formats[] = {
    {"clicks.wav", SF_FORMAT_WAV | SF_FORMAT_PCM_16, 0.0},
    {"clicks.flac", SF_FORMAT_FLAC | SF_FORMAT_PCM_16, 0.0},
    {"clicks.ogg", SF_FORMAT_OGG | SF_FORMAT_VORBIS, 0.06},
    {"clicks.mp3", SF_FORMAT_MPEG | SF_FORMAT_MPEG_LAYER_III, 0.06},
};

// How near a beat must be to a click for the timeline to snap to it.
constexpr double BeatTolerance = 0.040;

class AudioCommand : public test::ZynCtlFolderTest {
protected:
    QJsonObject json(const QStringList& arguments) {
        const test::CliResult result = run(arguments + QStringList{"--json"});
        EXPECT_EQ(result.status, ZynCtl::Success) << result.err.toStdString();
        return QJsonDocument::fromJson(result.out).object();
    }

    test::CoreApplicationScope m_app;
    test::ClickTrack m_clicks;
};

double distanceToClick(const test::ClickTrack& clicks, double seconds) {
    const double period = 60.0 / clicks.bpm;
    return std::abs(seconds - std::round(seconds / period) * period);
}

TEST_F(AudioCommand, GivesTheLengthTheClicksAsPeaksAndTheBeatsInEveryFormat) {
    for (const Format& format : Formats) {
        SCOPED_TRACE(format.file);
        const QString file = path(format.file);
        ASSERT_TRUE(m_clicks.write(file, format.format));

        const QJsonObject info = json({"audio", "info", file});
        EXPECT_NEAR(info["duration"].toDouble(), m_clicks.seconds, format.durationTolerance + 1e-9);
        EXPECT_EQ(info["sampleRate"].toInt(), m_clicks.sampleRate);
        EXPECT_EQ(info["channels"].toInt(), 2);

        // 50 ms columns: each click starts a loud one, the middle between
        // two clicks is quiet.
        const QJsonObject peaks = json({"audio", "peaks", file, "--columns", "200"});
        const QJsonArray min = peaks["min"].toArray();
        const QJsonArray max = peaks["max"].toArray();
        ASSERT_EQ(max.size(), 200);
        ASSERT_EQ(min.size(), 200);
        for (int c = 0; c < 200; ++c) {
            SCOPED_TRACE(c);
            if (c % 10 == 0) {
                EXPECT_GT(max[c].toDouble(), 0.5);
                EXPECT_LT(min[c].toDouble(), -0.5);
            } else if (c % 10 >= 4 && c % 10 <= 7) {
                EXPECT_LT(max[c].toDouble(), 0.02);
                EXPECT_GT(min[c].toDouble(), -0.02);
            }
        }

        const QJsonObject beats = json({"audio", "beats", file});
        EXPECT_NEAR(beats["tempo"].toDouble(), m_clicks.bpm, 3.0);
        const QJsonArray found = beats["beats"].toArray();
        for (const QJsonValue beat : found)
            EXPECT_LT(distanceToClick(m_clicks, beat.toDouble()), BeatTolerance) << beat.toDouble();
        // The tracker needs a few beats to lock on; from then on every click
        // has its beat.
        for (int click = 4; m_clicks.clickSeconds(click) < m_clicks.seconds - 0.5; ++click) {
            const double at = m_clicks.clickSeconds(click);
            const bool hasBeat = std::any_of(found.begin(), found.end(), [&](const QJsonValue& b) {
                return std::abs(b.toDouble() - at) < BeatTolerance;
            });
            EXPECT_TRUE(hasBeat) << "no beat at the click at " << at << " s";
        }
    }
}

QByteArray randomBytes(qsizetype size) {
    QByteArray bytes(size, Qt::Uninitialized);
    QRandomGenerator generator(17);
    for (char& byte : bytes)
        byte = char(generator.bounded(256));
    return bytes;
}

TEST_F(AudioCommand, RefusesAFileItCannotDecodeWithOneLineAndStatusOne) {
    QByteArray wholeOf[std::size(Formats)];
    for (size_t i = 0; i < std::size(Formats); ++i) {
        ASSERT_TRUE(m_clicks.write(path(Formats[i].file), Formats[i].format));
        wholeOf[i] = readFile(Formats[i].file);
    }
    const QByteArray& flac = wholeOf[1];
    const QByteArray& ogg = wholeOf[2];
    const QByteArray& mp3 = wholeOf[3];
    const struct {
        const char* name;
        QByteArray content;
        const char* says;
    } cases[] = {
        {"cut.flac", flac.first(flac.size() / 3), "Damaged"},
        {"cut.ogg", ogg.first(ogg.size() / 3), "Damaged"},
        {"cut.mp3", mp3.first(mp3.size() / 3), "Damaged"},
        {"noise.flac", flac.first(200) + randomBytes(100000), "Damaged"},
        {"noise.ogg", ogg.first(4000) + randomBytes(100000), "Damaged"},
        {"noise.mp3", mp3.first(1000) + randomBytes(100000), "Damaged"},
        {"noise.wav", randomBytes(100000), "Unsupported audio format"},
        {"missing.wav", {}, "not found"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        const QString file = c.content.isEmpty() ? path(c.name) : writeFile(c.name, c.content);
        const test::CliResult result = run({"audio", "info", file});
        EXPECT_EQ(result.status, ZynCtl::Failure);
        EXPECT_TRUE(result.out.isEmpty());
        EXPECT_EQ(result.err.count('\n'), 1) << result.err.toStdString();
        EXPECT_TRUE(result.err.contains(c.says)) << result.err.toStdString();
        EXPECT_TRUE(result.err.contains(c.name)) << result.err.toStdString();
    }
}

} // namespace
