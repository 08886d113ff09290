// zynctl check, and the check that every command handing a show to the
// controller runs first.
#include "ZynCtlRun.h"
#include "cli/ZynCtl.h"

#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <gtest/gtest.h>

using namespace zyn;

namespace {

using Result = test::CliResult;

// One fault for each rule: cue 3 is earlier than cue 2, cue 7 fires module 3
// 100 ms after cue 6, key 5 holds 256 channels.
const QByteArray FaultyShow = R"({"mode": 1, "cues": [
  {"row": 1, "time": "00:00:01:00", "description": ""},
  {"row": 2, "time": "00:00:02:00", "description": ""},
  {"row": 3, "time": "00:00:01:50", "description": ""},
  {"row": 4, "time": "00:00:04:00", "description": ""},
  {"row": 5, "time": "TR #1", "description": ""},
  {"row": 6, "time": "00:00:00:10", "description": ""},
  {"row": 7, "time": "00:00:00:20", "description": ""},
  {"row": 8, "time": "00:61:00:00", "description": ""}],
 "channels": [
  {"slave": 1, "channel": 1, "cell": "1-3"}, {"slave": 1, "channel": 2, "cell": "2-11"},
  {"slave": 2, "channel": 1, "cell": "3"}, {"slave": 3, "channel": 1, "cell": "6"},
  {"slave": 3, "channel": 2, "cell": "7"}, {"slave": 4, "channel": 1, "cell": "8"},
  {"slave": 5, "channel": 1, "cell": "3201"}, {"slave": 5, "channel": 2, "cell": "9"}KEYS]})";

// Stops with channels, levels, keys and a reset stop: nothing to say.
const QByteArray CleanShow = R"({"mode": 1, "cues": [
  {"row": 1, "time": "00:00:01:00", "description": ""},
  {"row": 2, "time": "MAN", "description": ""},
  {"row": 3, "time": "TS #1", "description": ""},
  {"row": 4, "time": "00:00:02:00", "description": ""},
  {"row": 5, "time": "TR #1", "description": ""},
  {"row": 6, "time": "00:00:00:50", "description": ""}],
 "channels": [
  {"slave": 1, "channel": 1, "cell": "1-3"}, {"slave": 1, "channel": 2, "cell": "2"},
  {"slave": 2, "channel": 1, "cell": "4-10"}, {"slave": 3, "channel": 1, "cell": "6"},
  {"slave": 3, "channel": 2, "cell": "K 10-2"}, {"slave": 3, "channel": 3, "cell": "K 1"}]})";

class CheckCommand : public test::ZynCtlFolderTest {
protected:
    QString project(const QString& name, const QByteArray& json) {
        writeFile(name + ".json", json);
        const Result built = run({"build", path(name + ".json"), "-o", path(name + ".zyn")});
        EXPECT_EQ(built.status, ZynCtl::Success) << built.err.toStdString();
        return path(name + ".zyn");
    }

    QString faultyProject() {
        QByteArray keys;
        for (int n = 0; n < 256; ++n)
            keys += QStringLiteral(R"(, {"slave": %1, "channel": %2, "cell": "K 5"})")
                        .arg(10 + n / 16)
                        .arg(n % 16 + 1)
                        .toUtf8();
        return project("faulty", QByteArray(FaultyShow).replace("KEYS", keys));
    }
};

// "rule cue key slave channel" of every finding, and the two counts.
QStringList findingsOf(const QByteArray& json, int* errors, int* warnings) {
    const QJsonObject root = QJsonDocument::fromJson(json).object();
    *errors = root.value("errors").toInt(-1);
    *warnings = root.value("warnings").toInt(-1);
    QStringList out;
    for (const QJsonValue& value : root.value("findings").toArray()) {
        const QJsonObject f = value.toObject();
        EXPECT_FALSE(f.value("message").toString().isEmpty());
        out << QStringLiteral("%1 %2 %3 %4 %5")
                   .arg(f.value("rule").toString())
                   .arg(f.value("cue").toInt())
                   .arg(f.value("key").toInt())
                   .arg(f.value("slave").toInt())
                   .arg(f.value("channel").toInt());
    }
    return out;
}

TEST_F(CheckCommand, NamesEachPlantedFaultAtItsPlace) {
    const Result result = run({"check", faultyProject(), "--json", "--module-gap", "500"});
    EXPECT_EQ(result.status, ZynCtl::Failure);
    int errors = 0;
    int warnings = 0;
    EXPECT_EQ(findingsOf(result.out, &errors, &warnings),
              (QStringList{"level-out-of-range 2 0 1 2", "too-many-channels 0 5 0 0",
                           "channel-fires-nothing 0 0 5 1", "channel-on-untimed-cue 9 0 5 2",
                           "time-order 3 0 0 0", "timed-cue-without-channels 4 0 0 0",
                           "time-not-well-formed 8 0 0 0", "module-gap 7 0 3 0"}))
        << result.out.toStdString();
    EXPECT_EQ(errors, 2);
    EXPECT_EQ(warnings, 6);

    const Result text = run({"check", path("faulty.zyn")});
    EXPECT_TRUE(text.out.startsWith("error level-out-of-range slave 1 channel 2 (cue 2): "))
        << text.out.toStdString();
    EXPECT_EQ(text.out.count('\n'), 7); // no module gap set
}

TEST_F(CheckCommand, ACleanShowPassesWithAnyGap) {
    const QString clean = project("clean", CleanShow);
    for (const QStringList& options : {QStringList{}, QStringList{"--module-gap", "500"}}) {
        const Result result = run(QStringList{"check", clean} + options);
        EXPECT_EQ(result.status, ZynCtl::Success) << result.err.toStdString();
        EXPECT_EQ(result.out, "");
        EXPECT_EQ(result.err, "");
    }
}

TEST_F(CheckCommand, TheProgramFolderSettingSetsTheGapUnlessTheCommandLineDoes) {
    const QString faulty = faultyProject();
    const struct {
        const char* settings;
        QStringList options;
        bool gapNamed;
        bool settingIgnored;
    } cases[] = {
        {"module-gap-ms=500\n", {}, true, false},
        {"module-gap-ms=500\n", {"--module-gap", "0"}, false, false},
        {"module-gap-ms=soon\n", {}, false, true},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.settings);
        writeFile("ZYNK5.ini", c.settings);
        const Result result = run(QStringList{"--home", m_dir.path(), "check", faulty} + c.options);
        EXPECT_EQ(result.out.contains("warning module-gap slave 3 (cue 7)"), c.gapNamed);
        EXPECT_EQ(result.err.contains("ZYNK5.ini:1"), c.settingIgnored) << result.err.toStdString();
    }
}

TEST_F(CheckCommand, OutputsGoOnWithWarningsOnTheErrorStream) {
    const QString warned = project("warned", R"({"mode": 1, "channels": [
        {"slave": 1, "channel": 1, "cell": "9"}]})");
    for (const char* command : {"table", "card-image"}) {
        SCOPED_TRACE(command);
        const Result result = run({command, warned, "-o", path("out.bin")});
        EXPECT_EQ(result.status, ZynCtl::Success);
        EXPECT_TRUE(result.err.contains("warning channel-on-untimed-cue slave 1 channel 1 (cue 9)"))
            << result.err.toStdString();
        EXPECT_TRUE(QFile::remove(path("out.bin")));
    }
}

} // namespace
