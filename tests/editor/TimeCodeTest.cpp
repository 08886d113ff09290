#include "editor/TimeCode.h"

#include "fakes/QtPrinters.h"

#include <gtest/gtest.h>

namespace zyn {

// Found by argument-dependent lookup, hence in the code's own namespace.
static void PrintTo(const TimeCode& code, std::ostream* os) {
    *os << code.hours << '/' << code.minutes << '/' << code.seconds << '/' << code.hundredths;
}

namespace {

TEST(TimeCodeRead, TakesTheFieldsByPosition) {
    struct Case {
        const char* text;
        TimeCode code;
    };
    const Case cases[] = {
        {"00:01:30:25", {0, 1, 30, 25}},
        {"00:01:30.25", {0, 1, 30, 25}},
        {"23:59:59:99", {23, 59, 59, 99}},
        {"", {}},
        {"MAN", {}},
        {"TS #2", {0, 0, 0, 0}},
        {"1:2", {1, 0, 0, 0}},
        {"12:34", {12, 34, 0, 0}},
        {"12:34:5", {12, 34, 5, 0}},
        {"1x:2y:3z:4", {1, 2, 3, 4}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.text);
        EXPECT_EQ(TimeCode::readPositional(QString::fromLatin1(c.text)), c.code);
    }
}

TEST(TimeCodeForm, TwoDigitsPerFieldWithColonsOrAStopBeforeTheHundredths) {
    for (const char* text : {"00:01:30:25", "00:01:30.25", "99:99:99:99"})
        EXPECT_TRUE(TimeCode::hasForm(QString::fromLatin1(text))) << text;
    for (const char* text : {"", "MAN", "0:01:30:25", "00:01:30:251", "00.01:30:25", "00:01.30:25",
                             "00:01:30;25", "00:01:3x:25", " 0:01:30:25"})
        EXPECT_FALSE(TimeCode::hasForm(QString::fromLatin1(text))) << text;
}

TEST(TimeCodeText, FieldsKeepTheirLastTwoDigits) {
    EXPECT_EQ((TimeCode{1, 2, 3, 4}.text()), u"01:02:03:04");
    EXPECT_EQ((TimeCode{23, 59, 59, 99}.text()), u"23:59:59:99");
    EXPECT_EQ((TimeCode{123, 100, 7, 1005}.text()), u"23:00:07:05");
    EXPECT_EQ(TimeCode{}.text(), TimeCode::zero());
}

} // namespace
} // namespace zyn
