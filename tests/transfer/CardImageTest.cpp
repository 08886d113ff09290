// The chip-card image byte for byte: the memory map, the time entries, the
// channel entries, the golden image of the examples, and the shows it refuses.
#include "transfer/CardImage.h"

#include "fakes/QtPrinters.h"
#include "fakes/TestFiles.h"
#include "show/Show.h"
#include "show/ShowJson.h"

#include <gtest/gtest.h>
#include <memory>

using namespace zyn;

namespace {

QByteArray hex(const char* text) {
    return QByteArray::fromHex(text);
}

std::unique_ptr<Show> newShow() {
    auto show = std::make_unique<Show>();
    show->clearForTimeCodedShow();
    return show;
}

QByteArray imageOf(const Show& show) {
    CardImage::Result result = CardImage::build(show);
    EXPECT_TRUE(result.ok());
    return result.bytes;
}

TEST(CardImageLayout, AnEmptyShowIsZeroUpToTheEndBlock) {
    const QByteArray image = imageOf(*newShow());
    ASSERT_EQ(image.size(), 25608);
    EXPECT_EQ(image.first(25604), QByteArray(25604, '\0'));
    EXPECT_EQ(image.sliced(25604), hex("00000001"));
}

TEST(CardImageLayout, AManualShowWritesTheNoTimeValueInEveryRow) {
    auto show = newShow();
    show->clearForManualShow();
    show->cues.row(7).TimeText = QStringLiteral("00:01:23:15");
    show->cues.row(8).TimeText.clear();
    const QByteArray image = imageOf(*show);
    for (int row = 1; row <= 3200; ++row)
        ASSERT_EQ(image.sliced(CardImage::timeAddress(row), 4), hex("E0FF05F5")) << row;
    EXPECT_EQ(image.sliced(25604), hex("00000001"));
}

TEST(CardImageLayout, TheExamplesMatchTheirGoldenImage) {
    auto show = std::make_unique<Show>();
    ASSERT_EQ(ShowJson::read(test::fixture("transfer/card-examples/show.json"),
                             StopLabels::fileForm(), *show),
              "");
    EXPECT_EQ(imageOf(*show), test::fixture("transfer/card-examples/expected.bin"));
}

struct TimeCase {
    const char* text;
    quint32 value;
    const char* bytes;
};

class CardTimeEntry : public testing::TestWithParam<TimeCase> {};

TEST_P(CardTimeEntry, IsTheNumberOfTheDigitsByPosition) {
    const TimeCase& c = GetParam();
    EXPECT_EQ(CardImage::timeValue(QString::fromUtf8(c.text)), c.value);
    EXPECT_EQ(CardImage::timeEntry(QString::fromUtf8(c.text), false), hex(c.bytes));
}

INSTANTIATE_TEST_SUITE_P(
    Texts, CardTimeEntry,
    testing::Values(TimeCase{"00:01:23:15", 12315, "301B0000"},
                    TimeCase{"12:34:56:07", 12345607, "610700BC"},
                    TimeCase{"00:01:23.15", 12315, "301B0000"}, // the time shift's form
                    TimeCase{"23:59:59:99", 23595999, "0BDF0168"},
                    TimeCase{"00:00:00:00", 0, "00000000"}, TimeCase{"", 0, "00000000"},
                    TimeCase{"   ", 0, "00000000"},
                    // Stops: their labels start with no digit.
                    TimeCase{"MANUAL STOP", 0, "00000000"}, TimeCase{"TS #2", 0, "00000000"},
                    // Digits count only up to the first other character.
                    TimeCase{"00:0x:23:15", 0, "00000000"}, TimeCase{"12:3", 123, "007B0000"},
                    // Only the first eleven characters are read.
                    TimeCase{"00:00:00:01xyz", 1, "00010000"}));

struct ChannelCase {
    const char* cell;
    quint16 cue;
    quint16 level;
    bool levelInRange;
};

class CardChannelEntry : public testing::TestWithParam<ChannelCase> {};

TEST_P(CardChannelEntry, FiresOnlyForAWholeCueNumber) {
    const ChannelCase& c = GetParam();
    const CardImage::ChannelValues values = CardImage::channelValues(QString::fromUtf8(c.cell));
    EXPECT_EQ(values.cue, c.cue);
    EXPECT_EQ(values.level, c.level);
    EXPECT_EQ(values.levelInRange, c.levelInRange);
}

INSTANTIATE_TEST_SUITE_P(
    Cells, CardChannelEntry,
    testing::Values(ChannelCase{"12-3", 12, 3, true}, ChannelCase{"12", 12, 0, true},
                    ChannelCase{"3200-10", 3200, 10, true}, ChannelCase{"12-", 12, 0, true},
                    ChannelCase{"12-x", 12, 0, true}, ChannelCase{" 12-3", 12, 3, true},
                    // Keys fire from the controller, not by a cue.
                    ChannelCase{"K 4-2", 0, 0, true}, ChannelCase{"K 10", 0, 0, true},
                    ChannelCase{"", 0, 0, true}, ChannelCase{"   ", 0, 0, true},
                    // No cue of the show: the channel must not fire with any.
                    ChannelCase{"0-5", 0, 0, true}, ChannelCase{"3201-2", 0, 0, true},
                    ChannelCase{"65537", 0, 0, true}, ChannelCase{"-4", 0, 0, true},
                    ChannelCase{"12.5-1", 0, 0, true},
                    // A firing channel with a level that is no level.
                    ChannelCase{"12-11", 12, 0, false}, ChannelCase{"12-2.5", 12, 0, false},
                    ChannelCase{"12-300", 12, 0, false}, ChannelCase{"12-1e999", 12, 0, false},
                    ChannelCase{"12--1", 12, 0, true}));

TEST(CardImageRefusal, ALevelOutsideOneToTenOnAFiringChannelWritesNoImage) {
    auto show = newShow();
    show->ics.cell(1, 1) = QStringLiteral("K 4-99"); // a key: no level on the card
    show->ics.cell(3, 4) = QStringLiteral("5-11");
    show->ics.cell(3, 5) = QStringLiteral("6-12");
    const CardImage::Result result = CardImage::build(*show);
    ASSERT_EQ(result.refusals.size(), 2u);
    for (const TableRefusal& refusal : result.refusals) {
        EXPECT_EQ(refusal.reason, TableRefusal::Reason::LevelOutOfRange);
        EXPECT_EQ(refusal.slave, 3);
    }
    EXPECT_EQ(result.refusals[0].channel, 4);
    EXPECT_EQ(result.refusals[0].cell, "5-11");
    EXPECT_EQ(result.refusals[1].channel, 5);
    EXPECT_EQ(result.refusals[1].cell, "6-12");
    EXPECT_TRUE(result.bytes.isEmpty());
}

} // namespace
