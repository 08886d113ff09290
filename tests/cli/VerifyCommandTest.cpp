// zynctl plan and verify on the examples show, its table file and card image,
// faithful and damaged.
#include "ZynCtlRun.h"
#include "cli/ZynCtl.h"
#include "fakes/CoreApplicationScope.h"
#include "fakes/TestPaths.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <functional>
#include <gtest/gtest.h>

using namespace zyn;

namespace {

class VerifyCommand : public test::ZynCtlFolderTest {
protected:
    void SetUp() override {
        const test::CliResult built = run(
            {"build", test::dataDir("transfer/examples/show.json"), "-o", path("examples.zyn")});
        ASSERT_EQ(built.status, ZynCtl::Success) << built.err.toStdString();
        m_table = readFile(test::dataDir("transfer/examples/expected.bin"));
        ASSERT_EQ(run({"card-image", path("examples.zyn"), "-o", path("card.bin")}).status,
                  ZynCtl::Success);
        m_card = readFile(path("card.bin"));
    }

    test::CoreApplicationScope m_app;
    QByteArray m_table;
    QByteArray m_card;
};

QByteArray withByte(QByteArray bytes, qsizetype at, char value) {
    bytes[at] = value;
    return bytes;
}

TEST_F(VerifyCommand, AnswersEqualOrNamesWhatTheMediumGetsWrong) {
    const struct {
        const char* name;
        std::function<QByteArray(const QByteArray& table, const QByteArray& card)> medium;
        int status;
        QByteArray out;
        int errLines;
    } cases[] = {
        {"faithful table", [](auto& table, auto&) { return table; }, ZynCtl::Success, "equal\n", 0},
        {"faithful card", [](auto&, auto& card) { return card; }, ZynCtl::Success, "equal\n", 0},
        {"table with cue 1 a hundredth late",
         [](auto& table, auto&) { return withByte(table, 7, 0x16); }, ZynCtl::Failure,
         "checksum bad: offset 32123 holds AE, the bytes before it sum to AF\n"
         "cue 1: 00:01:23:16 on the medium, 00:01:23:15 in the show\n",
         0},
        {"card with slave 2 channel 3 on cue 6",
         [](auto&, auto& card) { return withByte(card, 12804 + 2 * 18 + 1, 6); }, ZynCtl::Failure,
         "cue 5: slave 2 channel 3 is missing on the medium\n"
         "cue 6: slave 2 channel 3 is on the medium, not in the show\n",
         0},
        {"truncated table", [](auto& table, auto&) { return table.first(20000); }, ZynCtl::Failure,
         "", 1},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        const test::CliResult result = run(
            {"verify", path("examples.zyn"), writeFile("medium.bin", c.medium(m_table, m_card))});
        EXPECT_EQ(result.status, c.status) << result.err.toStdString();
        EXPECT_EQ(result.out.toStdString(), c.out.toStdString());
        EXPECT_EQ(result.err.count('\n'), c.errLines) << result.err.toStdString();
    }
}

TEST_F(VerifyCommand, PlanJsonListsTheCuesKeysAndChecksumOfATable) {
    const test::CliResult result = run({"plan", writeFile("medium.bin", m_table), "--json"});
    ASSERT_EQ(result.status, ZynCtl::Success) << result.err.toStdString();
    const QJsonObject plan = QJsonDocument::fromJson(result.out).object();
    EXPECT_EQ(plan["source"].toString(), "table");
    EXPECT_EQ(plan["checksum"].toString(), "ok");
    QStringList cues;
    for (const QJsonValue cue : plan["cues"].toArray())
        cues << QStringLiteral("%1 %2 %3")
                    .arg(cue["cue"].toInt())
                    .arg(cue["time"].toString())
                    .arg(cue["channels"].toArray().size());
    EXPECT_EQ(cues, (QStringList{"1 00:01:23:15 0", "2 00:01:23:15 0", "3 manual-stop 0",
                                 "4 timed-stop 0", "5 reset-stop 2", "6 23:59:59:99 0",
                                 "8 timed-stop 0", "3200 12:34:56:78 1"}));
    const QJsonArray keys = plan["keys"].toArray();
    ASSERT_EQ(keys.size(), 2);
    EXPECT_EQ(keys[1]["key"].toInt(), 10);
    EXPECT_EQ(keys[1]["channels"][0].toObject(),
              (QJsonObject{{"slave", 200}, {"channel", 16}, {"level", 0}}));
}

} // namespace
