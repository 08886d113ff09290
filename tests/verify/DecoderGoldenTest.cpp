// The decoders on media written by hand from the byte layouts: the worked
// examples of the controller table and of the card image.
#include "MediumBytes.h"
#include "fakes/QtPrinters.h"
#include "verify/CardDecoder.h"
#include "verify/TableDecoder.h"

#include <gtest/gtest.h>

using namespace zyn;
using test::hexBytes;
using Kind = PlanTime::Kind;

namespace {

FiringPlan decoded(const PlanReading& reading) {
    EXPECT_TRUE(reading.ok()) << reading.error.text().toStdString();
    return reading.plan.value_or(FiringPlan{});
}

TEST(TableDecoder, AnEmptyShowFiresNothingAndItsChecksumIs4D) {
    const QByteArray bytes = test::tableBytes();
    ASSERT_EQ(bytes.size(), 32121);
    ASSERT_EQ(quint8(bytes.back()), 0x4D);
    const FiringPlan plan = decoded(TableDecoder::decode(bytes));
    for (int cue = 1; cue <= MaxCues; ++cue)
        EXPECT_FALSE(plan.listed(cue)) << cue;
    for (int key = 1; key <= MaxKey; ++key)
        EXPECT_TRUE(plan.key(key).empty()) << key;
    ASSERT_TRUE(plan.checksum.has_value());
    EXPECT_TRUE(plan.checksum->ok());
    EXPECT_EQ(plan.checksum->offset, 32120);
}

TEST(TableDecoder, ReadsTimesMarkersCueAndKeyRecords) {
    const QByteArray bytes = test::tableBytes({{1, hexBytes("00012315")},
                                               {2, hexBytes("23595999")},
                                               {3, hexBytes("99999998")},
                                               {4, hexBytes("99999996")},
                                               {5, hexBytes("99999997")}},
                                              {{5, hexBytes("000002"
                                                            "000010"
                                                            "070013")}},
                                              {{4, hexBytes("000001"
                                                            "020001")},
                                               {10, hexBytes("000001"
                                                             "000C80")}});
    const FiringPlan plan = decoded(TableDecoder::decode(bytes));

    const std::vector<std::pair<int, QString>> times = {{1, "00:01:23:15"}, {2, "23:59:59:99"},
                                                        {3, "manual-stop"}, {4, "timed-stop"},
                                                        {5, "reset-stop"},  {6, "none"}};
    for (const auto& [cue, text] : times)
        EXPECT_EQ(plan.cue(cue).time.text(), text) << cue;
    EXPECT_EQ(plan.cue(5).channels, (PlanChannels{{1, 16, 0}, {2, 3, 7}}));
    EXPECT_EQ(plan.key(4), (PlanChannels{{1, 1, 2}}));
    EXPECT_EQ(plan.key(10), (PlanChannels{{200, 16, 0}}));
    EXPECT_TRUE(plan.checksum->ok());
}

TEST(CardDecoder, AnEmptyShowFiresNothing) {
    const FiringPlan plan = decoded(CardDecoder::decode(test::cardBytes()));
    for (int cue = 1; cue <= MaxCues; ++cue)
        EXPECT_FALSE(plan.listed(cue)) << cue;
    EXPECT_FALSE(plan.checksum.has_value());
}

TEST(CardDecoder, ReadsTimeNumbersAndChannelsByCueNumber) {
    const FiringPlan plan = decoded(CardDecoder::decode(test::cardBytes({
        {4, hexBytes("301B0000")},         // row 1: 12315
        {8, hexBytes("610700BC")},         // row 2: 12345607
        {12, hexBytes("E0FF05F5")},        // row 3: 99999999
        {12804, hexBytes("000C")},         // channel 1 fires with cue 12
        {19204, hexBytes("0003")},         // at level 3
        {12804 + 2 * 16, hexBytes("0007")} // channel 17 with cue 7, no level
    })));
    EXPECT_EQ(plan.cue(1).time, PlanTime::time(12315));
    EXPECT_EQ(plan.cue(1).time.text(), "00:01:23:15");
    EXPECT_EQ(plan.cue(2).time.text(), "12:34:56:07");
    EXPECT_EQ(plan.cue(3).time.kind(), Kind::ManualShow);
    EXPECT_EQ(plan.cue(12).channels, (PlanChannels{{1, 1, 3}}));
    EXPECT_EQ(plan.cue(7).channels, (PlanChannels{{2, 1, 0}}));
}

} // namespace
