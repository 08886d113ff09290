#include "editor/TimeEntry.h"
#include "fakes/QtPrinters.h"

#include <gtest/gtest.h>

namespace zyn {
namespace {

struct EntryCase {
    const char* typed;
    const char* stored; // nullptr: the entry is an error
};

void PrintTo(const EntryCase& c, std::ostream* os) {
    *os << '"' << c.typed << '"';
}

class TimeEntryConversion : public testing::TestWithParam<EntryCase> {};

TEST_P(TimeEntryConversion, TypedTextGivesTimeCodeOrError) {
    const EntryCase& c = GetParam();
    const TimeEntryResult result = sb_Umwandlung_EingabeZeit(QString::fromLatin1(c.typed));
    if (c.stored) {
        EXPECT_FALSE(result.error);
        EXPECT_EQ(result.timeText, QLatin1StringView(c.stored));
    } else {
        EXPECT_TRUE(result.error);
        EXPECT_EQ(result.timeText, QString());
    }
}

INSTANTIATE_TEST_SUITE_P(
    Entries, TimeEntryConversion,
    testing::Values(
        // One field: hhmmsscc from the right.
        EntryCase{"1234", "00:00:12:34"}, EntryCase{"5", "00:00:00:05"},
        EntryCase{"12345678", "12:34:56:78"}, EntryCase{"9999", nullptr},
        EntryCase{"24000000", nullptr}, EntryCase{"100000012345678", "12:34:56:78"},
        EntryCase{"1e3", "00:00:10:00"}, EntryCase{"1e15", nullptr},
        EntryCase{"1000000000000000", nullptr}, EntryCase{"1e400", nullptr},
        EntryCase{"abc", "00:00:00:00"},
        // Two to four fields from the right, any separator.
        EntryCase{"2:3", "00:00:02:03"}, EntryCase{"1.30.5", "00:01:30:05"},
        EntryCase{"1-2-3-4", "01:02:03:04"}, EntryCase{"1,2", "00:00:01:02"},
        EntryCase{"1/2", "00:00:01:02"}, EntryCase{"1*2", "00:00:01:02"},
        EntryCase{"1 2", "00:00:01:02"}, EntryCase{"1;2", "00:00:01:02"},
        EntryCase{"1#2", "00:00:01:02"}, EntryCase{"1:abc", "00:00:01:00"},
        EntryCase{"1:2:3:4:5", "00:00:00:00"}, EntryCase{"1234:", "00:00:34:00"},
        // The largest time of day and what lies beyond it.
        EntryCase{"23:59:59:99", "23:59:59:99"}, EntryCase{"25:00:00:00", nullptr},
        EntryCase{"0:60:0:0", nullptr}, EntryCase{"0:0:60:0", nullptr},
        // Fields keep their last two digits, as long as they fit 16 bits.
        EntryCase{"123:0:0:0", "23:00:00:00"}, EntryCase{"0:0:0:32767", "00:00:00:67"},
        EntryCase{"0:0:0:32768", nullptr}, EntryCase{"0:99999:0:0", nullptr},
        // The input mask's placeholders.
        EntryCase{"", ""}, EntryCase{"__:__:__:__", "00:00:00:00"}, EntryCase{"________", ""},
        EntryCase{"12:3_:__:__", "12:03:00:00"}));

} // namespace
} // namespace zyn
