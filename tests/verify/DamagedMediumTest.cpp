// Damaged media: each is refused with the offset where it stops making sense
// and what belonged there, never read past its end.
#include "MediumBytes.h"
#include "verify/MediumReading.h"

#include <functional>
#include <gtest/gtest.h>

using namespace zyn;
using test::hexBytes;

namespace {

struct Damage {
    const char* name;
    std::function<QByteArray()> bytes;
    qsizetype offset;
    const char* expected; // part of the error text
};

// Cue record 1 begins right after the header and the 3210 time entries.
constexpr int FirstRecord = 4 + 3210 * 4;

QByteArray table() {
    return test::tableBytes();
}

QByteArray withByte(QByteArray bytes, qsizetype at, quint8 value) {
    bytes[at] = char(value);
    return bytes;
}

const Damage Damages[] = {
    {"table cut inside a time entry", [] { return table().first(10); }, 8, "the time of cue row 2"},
    {"table cut before the checksum", [] { return table().chopped(1); }, 32120, "the checksum"},
    {"table with bytes after the checksum", [] { return table() + "xy"; }, 32121, "2 more bytes"},
    {"wrong header", [] { return withByte(table(), 2, 0x8B); }, 0, "header B1 06 8A 0C"},
    {"time that is no packed decimal", [] { return withByte(table(), 4 + 4 * 6, 0x0A); }, 28,
     "time of cue row 7"},
    {"marker of no kind", [] { return withByte(table(), 4 + 3, 0x9A); }, 4, "time of cue row 1"},
    {"zero entry not zero", [] { return withByte(table(), 4 + 3200 * 4, 1); }, 12804,
     "zero entry 1"},
    {"reserved record bytes", [] { return withByte(table(), FirstRecord + 6, 1); }, FirstRecord + 6,
     "record of cue 2 to begin with 00 00"},
    {"record count running past the end",
     [] { return withByte(table(), 32121 - 1 - 16 - 6 + 2, 0xFF); }, 32121 - 17 - 3,
     "255 channels of key 10"},
    {"empty record with stray bytes", [] { return withByte(table(), FirstRecord + 4, 7); },
     FirstRecord + 3, "00 00 00 after the empty count of cue 1"},
    {"channels out of order",
     [] {
         return test::tableBytes({}, {{9, hexBytes("000002"
                                                   "000013"
                                                   "000010")}});
     },
     FirstRecord + 8 * 6 + 7, "channel number from 20 to 3200, found 16"},
    {"channel number beyond the last slave",
     [] {
         return test::tableBytes({}, {},
                                 {{3, hexBytes("000001"
                                               "000C81")}});
     },
     FirstRecord + 3200 * 6 + 2 * 6 + 4, "key 3's record a channel number from 1 to 3200"},
    {"level above 10",
     [] {
         return test::tableBytes({}, {{1, hexBytes("000001"
                                                   "0B0001")}});
     },
     FirstRecord + 3, "level from 0 to 10, found 11"},
    {"card cut short", [] { return test::cardBytes().first(25600); }, 25600, "25608 bytes"},
    {"card too long", [] { return test::cardBytes() + '\0'; }, 25608, "1 more bytes"},
    {"card without end block", [] { return withByte(test::cardBytes(), 25607, 0); }, 25604,
     "not written to the end"},
    {"card time of nine digits",
     [] {
         return test::cardBytes({{4, hexBytes("E1FF05F5")}});
     },
     4, "at most eight digits"},
    {"card cue number beyond the last cue",
     [] {
         return test::cardBytes({{12806, hexBytes("0C81")}});
     },
     12806, "cue number from 0 to 3200"},
    {"card level of a channel without cue",
     [] {
         return test::cardBytes({{19204, hexBytes("0002")}});
     },
     19204, "level from 0 to 0"},
    {"neither table nor card", [] { return QByteArray("ZYN project"); }, 0,
     "controller table (B1 06 ...) or a card image"},
};

TEST(DamagedMedium, IsRefusedAtItsOffsetWithWhatWasExpected) {
    for (const Damage& damage : Damages) {
        SCOPED_TRACE(damage.name);
        const PlanReading reading = MediumReading::read(damage.bytes());
        ASSERT_FALSE(reading.ok());
        EXPECT_EQ(reading.error.offset, damage.offset);
        EXPECT_TRUE(reading.error.expected.contains(QLatin1String(damage.expected)))
            << reading.error.text().toStdString();
    }
}

TEST(DamagedMedium, AWrongChecksumStillGivesThePlanMarkedBad) {
    const PlanReading reading = MediumReading::read(withByte(table(), 32120, 0x4E));
    ASSERT_TRUE(reading.ok());
    EXPECT_FALSE(reading.plan->checksum->ok());
    EXPECT_EQ(reading.plan->checksum->computed, 0x4D);
}

} // namespace
