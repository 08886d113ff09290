#include "show/NumericText.h"

#include "fakes/QtPrinters.h"

#include <cmath>
#include <gtest/gtest.h>
#include <limits>

namespace zyn {
namespace {

constexpr double Infinity = std::numeric_limits<double>::infinity();

TEST(NumericTextLeadingValue, ReadsTheNumberAtTheStartOfTheText) {
    struct Case {
        const char* text;
        double value;
    };
    const Case cases[] = {
        {"", 0},
        {"12-3", 12},
        {"K 4", 0},
        {" 7x", 7},
        {"\t 42", 42},
        {".5", 0.5},
        {"-.5", -0.5},
        {"+3", 3},
        {"5.", 5},
        {"1.25.3", 1.25},
        {"1e3", 1000},
        {"2E-2", 0.02},
        {"1D2", 100},
        {"1d+2", 100},
        {"1.5e3x", 1500},
        {"12E", 12},
        {"12e+", 12},
        {"12ex", 12},
        {"-", 0},
        {".", 0},
        {"- 5", 0},
        {"e5", 0},
        {"1e400", Infinity},
        {"-1e400", -Infinity},
        {"1e-400", 0},
        {"-1e-400", 0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.text);
        EXPECT_EQ(NumericText::leadingValue(QString::fromLatin1(c.text)), c.value);
    }
}

TEST(NumericTextRounding, RoundsHalvesToTheEvenNeighbour) {
    const std::pair<double, double> cases[] = {
        {2.5, 2}, {3.5, 4},    {-2.5, -2},  {-3.5, -4}, {0.5, 0},
        {1.5, 2}, {2.4999, 2}, {2.5001, 3}, {-0.4, 0},  {7, 7},
    };
    for (const auto& [value, rounded] : cases) {
        SCOPED_TRACE(value);
        EXPECT_EQ(NumericText::roundHalfEven(value), rounded);
    }
}

TEST(NumericTextRounding, IntegersAreNothingWhenTheRoundedValueDoesNotFit) {
    EXPECT_EQ(NumericText::toInt16(32767.4), 32767);
    EXPECT_EQ(NumericText::toInt16(32766.5), 32766);
    EXPECT_EQ(NumericText::toInt16(32767.5), std::nullopt);
    EXPECT_EQ(NumericText::toInt16(-32768.5), -32768);
    EXPECT_EQ(NumericText::toInt16(-32769), std::nullopt);
    EXPECT_EQ(NumericText::toInt16(std::nan("")), std::nullopt);
    EXPECT_EQ(NumericText::toInt16(Infinity), std::nullopt);

    EXPECT_EQ(NumericText::toInt32(32768), 32768);
    EXPECT_EQ(NumericText::toInt32(2147483647.4), 2147483647);
    EXPECT_EQ(NumericText::toInt32(2147483647.5), std::nullopt);
    EXPECT_EQ(NumericText::toInt32(-2147483648.5), -2147483647 - 1);
    EXPECT_EQ(NumericText::toInt32(-2147483649.0), std::nullopt);
}

TEST(NumericTextDecimal, WholeNumbersPlainOthersShortestExact) {
    EXPECT_EQ(NumericText::decimalText(0), u"0");
    EXPECT_EQ(NumericText::decimalText(-0.0), u"0");
    EXPECT_EQ(NumericText::decimalText(-3), u"-3");
    EXPECT_EQ(NumericText::decimalText(123456789012345), u"123456789012345");
    EXPECT_EQ(NumericText::decimalText(0.1), u"0.1");
    EXPECT_EQ(NumericText::decimalText(2.5), u"2.5");
    for (const double value : {1.0 / 3.0, 1e15, 1e300, -2.2250738585072014e-308}) {
        SCOPED_TRACE(value);
        EXPECT_EQ(NumericText::decimalText(value).toDouble(), value);
    }
}

} // namespace
} // namespace zyn
