#include "editor/TimeShift.h"

#include "EditFixture.h"
#include "editor/ShowSnapshot.h"

namespace zyn::test {
namespace {

using Op = TimeShift::Operator;
using Range = TimeShift::Range;

class TimeShifting : public EditFixture {
protected:
    EditResult shift(Range range, Op op, TimeShift::Offset offset, int current = 1, int other = 1) {
        return TimeShift(m_context).run({range, op, offset, current, other});
    }
};

TEST_F(TimeShifting, NewTimesCarryAndTakeAFullStopBeforeTheHundredths) {
    const struct {
        const char* time;
        Op op;
        TimeShift::Offset offset;
        const char* shifted;
    } cases[] = {
        {"00:00:59:99", Op::Add, {0, 0, 1, 0}, "00:01:00.99"},
        {"00:00:59:99", Op::Add, {0, 0, 0, 1}, "00:01:00.00"},
        {"00:59:59:99", Op::Add, {0, 0, 0, 1}, "01:00:00.00"},
        {"23:59:59:99", Op::Add, {0, 0, 1, 0}, "24:00:00.99"},
        {"00:00:05:00", Op::Add, {}, "00:00:05.00"},
        {"00:01:30.25", Op::Subtract, {0, 0, 0, 25}, "00:01:30.00"},
        {"01:00:00:00", Op::Subtract, {0, 59, 59, 99}, "00:00:00.01"},
        {"00:00:00:00", Op::Add, {23, 59, 59, 999}, "24:00:08.99"},
        {"10:20:30:40", Op::Subtract, {10, 20, 30, 40}, "00:00:00.00"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.time);
        m_show.cues.row(1).TimeText = QString::fromUtf8(c.time);
        m_prompter.answer({true});
        shift(Range::SelectedCues, c.op, c.offset);
        EXPECT_EQ(m_show.cues.row(1).TimeText, c.shifted);
    }
}

TEST_F(TimeShifting, ARangeWithACueBelowZeroIsRefusedNamingTheFirstSuchCue) {
    setTimes({"00:00:10:00", "00:00:03:00", "00:00:01:00", "00:00:09:00"});
    const ShowSnapshot before = ShowSnapshot::of(m_show);
    EXPECT_FALSE(shift(Range::AllCues, Op::Subtract, {0, 0, 5, 0}).changed);
    EXPECT_EQ(warnings(), QStringList{"T231 2\n00:00:03:00\nc2"});
    EXPECT_EQ(m_prompter.shown().value(0).title, "T10");
    EXPECT_TRUE(questions().isEmpty());
    EXPECT_TRUE(ShowSnapshot::of(m_show) == before);
    EXPECT_FALSE(m_show.state.ShowChanged);

    // A shift that could be made is asked for, and No still cancels it.
    m_prompter.answer({false});
    EXPECT_FALSE(shift(Range::AllCues, Op::Add, {0, 0, 5, 0}).changed);
    EXPECT_EQ(questions(), QStringList{"T232"});
    EXPECT_EQ(m_prompter.shown().value(1).title, "T10");
    EXPECT_TRUE(ShowSnapshot::of(m_show) == before);
}

TEST_F(TimeShifting, ATimeBeyondTwoHourDigitsIsRefused) {
    setTimes({"00:00:01:00", "90:00:00.00"});
    EXPECT_FALSE(shift(Range::AllCues, Op::Add, {10, 0, 0, 0}).changed);
    EXPECT_EQ(warnings(), QStringList{"T246 2\n90:00:00.00\nc2"});
    EXPECT_EQ(m_show.cues.row(1).TimeText, "00:00:01:00");
}

TEST_F(TimeShifting, OnlyTheRangesTimedCuesMove) {
    setTimes({"00:00:01:00", ResetStopLabel + " #1", "00:00:02:00", "", StopLabel,
              TimedStopLabel + " #1", "00:00:03:00", ResetStopLabel + " #2", "00:00:04:00"});
    const auto shiftedRows = [this] {
        QList<int> rows;
        for (int r = 1; r <= 9; ++r) {
            if (m_show.cues.row(r).TimeText.contains(u'.'))
                rows.append(r);
        }
        return rows;
    };
    const ShowSnapshot initial = ShowSnapshot::of(m_show);
    const struct {
        Range range;
        int current;
        int other;
        QList<int> rows;
    } cases[] = {
        {Range::CurrentSegment, 5, 5, {3, 7}}, {Range::CurrentSegment, 2, 2, {3, 7}},
        {Range::CurrentSegment, 1, 1, {1}},    {Range::CurrentSegment, 9, 9, {9}},
        {Range::SelectedCues, 7, 3, {3, 7}},   {Range::AllCues, 5, 5, {1, 3, 7, 9}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.current);
        initial.restoreTo(m_show);
        m_show.state.SortPending = false;
        m_prompter.answer({true});
        const EditResult result = shift(c.range, Op::Add, {0, 0, 1, 0}, c.current, c.other);
        EXPECT_EQ(shiftedRows(), c.rows);
        EXPECT_TRUE(result.changed);
        EXPECT_TRUE(m_show.state.SortPending);
    }
    EXPECT_EQ(m_show.cues.row(4).TimeText, "");
    EXPECT_EQ(m_show.cues.row(5).TimeText, StopLabel);
}

TEST_F(TimeShifting, OffsetFieldsKeepTheAbsoluteValueWithinTheirLimits) {
    using Field = TimeShift::Field;
    const struct {
        Field field;
        const char* typed;
        const char* shown;
    } cases[] = {
        {Field::Minutes, "75", "59"}, {Field::Minutes, "-7", "7"},       {Field::Hours, "30", "23"},
        {Field::Seconds, "60", "59"}, {Field::Hundredths, "999", "999"}, {Field::Hours, "", "0"},
        {Field::Seconds, "x", "0"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(TimeShift::fieldText(c.field, QString::fromUtf8(c.typed)), c.shown) << c.typed;
}

} // namespace
} // namespace zyn::test
