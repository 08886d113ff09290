#include "fakes/QtPrinters.h"
#include "show/FieldReader.h"
#include "show/FieldWriter.h"

#include <gtest/gtest.h>
#include <limits>
#include <vector>

using namespace zyn;

namespace {

using Values = std::vector<QByteArray>;

// Names each instance of a table after its case.
struct ByName {
    template<class Case> std::string operator()(const testing::TestParamInfo<Case>& tested) const {
        return tested.param.name;
    }
};

Values allLines(const QByteArray& content) {
    FieldReader reader(content);
    Values lines;
    while (const std::optional<QByteArray> line = reader.readLine())
        lines.push_back(*line);
    return lines;
}

Values allValues(const QByteArray& content) {
    FieldReader reader(content);
    Values values;
    while (const std::optional<QByteArray> value = reader.readValue())
        values.push_back(*value);
    return values;
}

struct LineCase {
    const char* name;
    QByteArray content;
    Values lines;
};

class LineEnds : public testing::TestWithParam<LineCase> {};

TEST_P(LineEnds, SplitIntoTheExpectedLines) {
    EXPECT_EQ(allLines(GetParam().content), GetParam().lines);
}

INSTANTIATE_TEST_SUITE_P(
    FieldReader, LineEnds,
    testing::Values(LineCase{"CrLf", "a\r\nb\r\n", {"a", "b"}},
                    LineCase{"LoneLf", "a\nb\n", {"a", "b"}},
                    LineCase{"LoneCr", "a\rb\r", {"a", "b"}},
                    LineCase{"MixedAndLastLineOpen", "a\r\nb\nc\rd", {"a", "b", "c", "d"}},
                    LineCase{"EmptyLineBetween", "a\r\n\r\nb", {"a", "", "b"}},
                    LineCase{"LfThenCrIsTwoLineEnds", "a\n\rb", {"a", "", "b"}},
                    LineCase{"CrBeforeCrLfIsTwoLineEnds", "a\r\r\nb", {"a", "", "b"}},
                    LineCase{"LastLineEndAddsNoLine", "abc\r\n", {"abc"}},
                    LineCase{"OnlyALineEnd", "\r\n", {""}},
                    LineCase{"NoLineEndAtAll", "abc", {"abc"}}, LineCase{"Empty", "", {}},
                    LineCase{"BlanksKept", " a \t\r\n", {" a \t"}}),
    ByName{});

struct LineFieldCase {
    const char* name;
    QByteArray line;
    QByteArray value;
};

class LineFields : public testing::TestWithParam<LineFieldCase> {};

// Each case is followed by a second line, which the read must not touch.
TEST_P(LineFields, ReadTheWholeLineAsOneValue) {
    FieldReader reader(GetParam().line + "\r\nnext\r\n");
    EXPECT_EQ(reader.readLineField(), GetParam().value);
    EXPECT_EQ(reader.lineNumber(), 2);
    EXPECT_EQ(reader.readLine(), "next");
}

INSTANTIATE_TEST_SUITE_P(
    FieldReader, LineFields,
    testing::Values(LineFieldCase{"Quoted", "\"plain\"", "plain"},
                    LineFieldCase{"QuotesAndCommasInside", "\"a\"b,c\"", "a\"b,c"},
                    LineFieldCase{"EndsWithAQuote", "\"a\"\"", "a\""},
                    LineFieldCase{"BlanksOutsideQuotesDropped", " \t\"padded\" \t", "padded"},
                    LineFieldCase{"BlanksInsideQuotesKept", "\" inner \"", " inner "},
                    LineFieldCase{"UnquotedIsTrimmedLine", "  a, \"b\" ,c  ", "a, \"b\" ,c"},
                    LineFieldCase{"LoneOpeningQuoteGivesRest", "\"rest, of line", "rest, of line"},
                    LineFieldCase{"OnlyAQuote", "\"", ""}, LineFieldCase{"EmptyQuotes", "\"\"", ""},
                    LineFieldCase{"EmptyLine", "", ""}),
    ByName{});

struct ValueCase {
    const char* name;
    QByteArray content;
    Values values;
};

class FieldValues : public testing::TestWithParam<ValueCase> {};

TEST_P(FieldValues, ReadValueByValue) {
    EXPECT_EQ(allValues(GetParam().content), GetParam().values);
}

INSTANTIATE_TEST_SUITE_P(
    FieldReader, FieldValues,
    testing::Values(
        ValueCase{"OverLines", "#TRUE#,#FALSE#,1\r\n2\r\n", {"#TRUE#", "#FALSE#", "1", "2"}},
        ValueCase{"QuotedHoldsCommas", "\"a,b\",\"c\"\nd", {"a,b", "c", "d"}},
        ValueCase{"QuotedEndsAtNextQuote", "\"a\"b,c", {"a", "c"}},
        ValueCase{"UnterminatedQuoteTakesRest", "\"a,b\r\nc", {"a,b", "c"}},
        ValueCase{"EmptyLineIsOneEmptyValue", "1\r\n\r\n\r\n2", {"1", "", "", "2"}},
        ValueCase{"BlankLineIsOneEmptyValue", "1\r\n \t\r\n2", {"1", "", "2"}},
        ValueCase{"EmptyBetweenCommas", "1,,2", {"1", "", "2"}},
        ValueCase{"EmptyQuotedValues", "\"\",\"\"", {"", ""}},
        ValueCase{"BlanksAroundValuesDropped", " 1 , \"x\"  ,\t2 \r\n", {"1", "x", "2"}},
        ValueCase{"BlanksInsideQuotesKept", "\" a \"", {" a "}},
        ValueCase{"TrailingCommaEndsTheLine", "1,2,\r\n3", {"1", "2", "3"}},
        ValueCase{"TrailingCommaAndBlanks", "1, \t\r\n3", {"1", "3"}},
        ValueCase{"MixedLineEnds", "1\r2\n3\r\n4", {"1", "2", "3", "4"}},
        ValueCase{"Empty", "", {}}),
    ByName{});

TEST(FieldReader, LineNumberFollowsReadsWithinAndAcrossLines) {
    FieldReader reader("1,2,3\r\n\"a\",rest, of line\r\n\"x\"y\"\r\nlast");
    EXPECT_EQ(reader.lineNumber(), 1);
    EXPECT_EQ(reader.readValue(), "1");
    EXPECT_EQ(reader.readValue(), "2");
    EXPECT_EQ(reader.lineNumber(), 1);
    EXPECT_EQ(reader.readValue(), "3");
    EXPECT_EQ(reader.lineNumber(), 2);

    // Whole-line reads take what the value reads left of the line.
    EXPECT_EQ(reader.readValue(), "a");
    EXPECT_EQ(reader.readLine(), "rest, of line");
    EXPECT_EQ(reader.lineNumber(), 3);
    EXPECT_EQ(reader.readLineField(), "x\"y");
    EXPECT_EQ(reader.lineNumber(), 4);
    EXPECT_FALSE(reader.atEnd());

    EXPECT_EQ(reader.readValue(), "last");
    EXPECT_TRUE(reader.atEnd());
    EXPECT_EQ(reader.lineNumber(), 5);
}

TEST(FieldReader, EveryReadAtTheEndGivesNothing) {
    FieldReader reader("only\r\n");
    EXPECT_EQ(reader.readLine(), "only");
    EXPECT_TRUE(reader.atEnd());
    EXPECT_EQ(reader.readLine(), std::nullopt);
    EXPECT_EQ(reader.readLineField(), std::nullopt);
    EXPECT_EQ(reader.readValue(), std::nullopt);
    EXPECT_EQ(reader.lineNumber(), 2);

    FieldReader empty({});
    EXPECT_TRUE(empty.atEnd());
    EXPECT_EQ(empty.readValue(), std::nullopt);
}

TEST(FieldWriter, WrittenFileReadsBack) {
    constexpr qint64 Smallest = std::numeric_limits<qint64>::min();
    FieldWriter writer;
    writer.plainLine("[SECTION]");
    writer.textField("a\"b,c\"");
    writer.valuesLine({FieldWriter::boolean(true), FieldWriter::boolean(false),
                       FieldWriter::integer(-5), FieldWriter::quoted("x, y")});
    writer.valuesLine({FieldWriter::integer(Smallest)});
    writer.textField("");
    writer.plainLine("");
    writer.plainLine("[END]");

    const QByteArray& bytes = writer.bytes();
    EXPECT_EQ(bytes.count("\r\n"), 7);
    EXPECT_EQ(bytes.count('\n'), 7);
    EXPECT_TRUE(bytes.endsWith("\r\n"));

    FieldReader reader(bytes);
    EXPECT_EQ(reader.readLine(), "[SECTION]");
    EXPECT_EQ(reader.readLineField(), "a\"b,c\"");
    EXPECT_EQ(reader.readValue(), "#TRUE#");
    EXPECT_EQ(reader.readValue(), "#FALSE#");
    EXPECT_EQ(reader.readValue(), "-5");
    EXPECT_EQ(reader.readValue(), "x, y");
    EXPECT_EQ(reader.readValue(), QByteArray::number(Smallest));
    EXPECT_EQ(reader.readLineField(), "");
    EXPECT_EQ(reader.readValue(), "");
    EXPECT_EQ(reader.readLine(), "[END]");
    EXPECT_TRUE(reader.atEnd());
}

} // namespace
