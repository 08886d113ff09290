#include "fakes/QtPrinters.h"
#include "import/ImportTime.h"
#include "import/SplitLine.h"

#include <gtest/gtest.h>

namespace zyn {
namespace {

struct SplitCase {
    const char* line;
    QStringList fields;
};

void PrintTo(const SplitCase& c, std::ostream* os) {
    *os << '"' << c.line << '"';
}

class SplitLineFields : public testing::TestWithParam<SplitCase> {};

TEST_P(SplitLineFields, GivesTheFieldsOfTheLine) {
    EXPECT_EQ(SplitLine(QString::fromUtf8(GetParam().line)), GetParam().fields);
}

INSTANTIATE_TEST_SUITE_P(
    Lines, SplitLineFields,
    testing::Values(SplitCase{"", {""}}, SplitCase{";", {"", ""}},
                    SplitCase{"a;b;;c", {"a", "b", "", "c"}}, SplitCase{"a;b;", {"a", "b", ""}},
                    // A quoted field keeps semicolons; a doubled quote inside stands for one.
                    SplitCase{R"(x;"Fountain; ""big"" one";y)",
                              {"x", R"(Fountain; "big" one)", "y"}},
                    SplitCase{R"("";a)", {"", "a"}}, SplitCase{R"("""")", {R"(")"}},
                    // After the closing quote the field goes on unquoted.
                    SplitCase{R"("ab"c;d)", {"abc", "d"}}, SplitCase{R"("a"";b")", {R"(a";b)"}},
                    // A quote inside an unquoted field is an ordinary character.
                    SplitCase{R"(ab"c;d")", {R"(ab"c)", R"(d")"}},
                    // An unclosed quote runs to the end of the line.
                    SplitCase{R"(a;"b;c)", {"a", "b;c"}}, SplitCase{" a ; b ", {" a ", " b "}}));

struct TimeCase {
    const char* text;
    const char* preview; // nullptr: not a time
};

void PrintTo(const TimeCase& c, std::ostream* os) {
    *os << '"' << c.text << '"';
}

class ImportTimeParsing : public testing::TestWithParam<TimeCase> {};

TEST_P(ImportTimeParsing, GivesThePreviewTimeOrNothing) {
    const std::optional<QString> parsed = ImportTime::parse(QString::fromUtf8(GetParam().text));
    if (GetParam().preview)
        EXPECT_EQ(parsed, QString::fromLatin1(GetParam().preview));
    else
        EXPECT_EQ(parsed, std::nullopt);
}

INSTANTIATE_TEST_SUITE_P(
    Times, ImportTimeParsing,
    testing::Values(
        // One, two and three fraction digits, comma or full stop.
        TimeCase{"00:01:23,5", "00:01:23:500"}, TimeCase{"0:00:05,25", "00:00:05:250"},
        TimeCase{"0:00:05.25", "00:00:05:250"}, TimeCase{"00:01:02.5", "00:01:02:500"},
        TimeCase{"0:00:05.050", "00:00:05:050"}, TimeCase{"0:00:05.05", "00:00:05:050"},
        TimeCase{"0:00:05.005", "00:00:05:005"}, TimeCase{"0:00:05.", "00:00:05:000"},
        // Digits beyond milliseconds are dropped, never read as more milliseconds.
        TimeCase{"0:00:05.0500", "00:00:05:050"}, TimeCase{"0:00:05.99999", "00:00:05:999"},
        // The clock time: h:mm or h:mm:ss, 24 hours.
        TimeCase{"1:02:03", "01:02:03:000"}, TimeCase{"1:02", "01:02:00:000"},
        TimeCase{" 23:59:59,99 ", "23:59:59:990"}, TimeCase{"24:00:00", nullptr},
        TimeCase{"0:60:00", nullptr}, TimeCase{"0:00:60", nullptr}, TimeCase{"5", nullptr},
        TimeCase{"", nullptr}, TimeCase{"Time", nullptr}, TimeCase{"1:2:3:4", nullptr},
        TimeCase{"-0:00:05", nullptr}, TimeCase{"100:00:00", nullptr},
        TimeCase{"01.02.2024", nullptr}, TimeCase{"0:00:05.5s", nullptr},
        TimeCase{"0:00:05.2.7", "00:00:05:200"}));

} // namespace
} // namespace zyn
