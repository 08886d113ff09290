#include "fakes/QtPrinters.h"
#include "platform/spreadsheet/CellName.h"
#include "platform/spreadsheet/CellText.h"
#include "platform/spreadsheet/NumberFormat.h"
#include "platform/spreadsheet/OdsDateTimeCells.h"

#include <gtest/gtest.h>

namespace zyn {
namespace {

TEST(SpreadsheetCellNames, ReadColumnLettersAndRowNumber) {
    struct Case {
        const char* name;
        std::optional<CellPosition> position;
    };
    for (const Case& c :
         {Case{"A1", CellPosition{0, 0}}, Case{"z10", CellPosition{9, 25}},
          Case{"AA3", CellPosition{2, 26}}, Case{"XFD1048576", CellPosition{1048575, 16383}},
          Case{"XFE1", std::nullopt}, Case{"A1048577", std::nullopt}, Case{"A0", std::nullopt},
          Case{"A", std::nullopt}, Case{"1", std::nullopt}, Case{"ABCD1", std::nullopt},
          Case{"A1B", std::nullopt}, Case{"", std::nullopt}, Case{"A99999999", std::nullopt}}) {
        EXPECT_EQ(CellName::parse(QString::fromLatin1(c.name)), c.position) << c.name;
    }
}

TEST(SpreadsheetNumberFormats, TellTimesDatesAndNumbersApart) {
    struct Case {
        const char* code;
        ValueDisplay display;
    };
    for (const Case& c :
         {Case{"General", ValueDisplay::Number}, Case{"0.00", ValueDisplay::Number},
          Case{"#,##0.00 \"h\"", ValueDisplay::Number}, Case{"0.0E+00", ValueDisplay::Number},
          Case{"[Red]0;[Blue]-0", ValueDisplay::Number}, Case{"hh:mm:ss", ValueDisplay::Time},
          Case{"h:mm:ss\\ AM/PM", ValueDisplay::Time}, Case{"mm:ss.0", ValueDisplay::Time},
          Case{"[hh]:mm:ss.00", ValueDisplay::ElapsedTime},
          Case{"[mm]:ss", ValueDisplay::ElapsedTime}, Case{"dd.mm.yyyy", ValueDisplay::Date},
          Case{"mmm yy", ValueDisplay::Date}, Case{"[$-407]d mmmm", ValueDisplay::Date},
          Case{"mm/dd/yy\\ hh:mm", ValueDisplay::DateTime},
          Case{"0;[h]:mm", ValueDisplay::Number}}) {
        EXPECT_EQ(NumberFormat::fromCode(QString::fromLatin1(c.code)), c.display) << c.code;
    }
}

struct ValueCase {
    double value;
    ValueDisplay display;
    const char* text;
};

void PrintTo(const ValueCase& c, std::ostream* os) {
    *os << c.value << " as " << int(c.display);
}

class SpreadsheetValueText : public testing::TestWithParam<ValueCase> {};

TEST_P(SpreadsheetValueText, ShowsTheValueAsItsFormatMeansIt) {
    EXPECT_EQ(CellText::fromValue(GetParam().value, GetParam().display, QDate(1899, 12, 30)),
              QString::fromLatin1(GetParam().text));
}

INSTANTIATE_TEST_SUITE_P(
    Values, SpreadsheetValueText,
    testing::Values(ValueCase{3, ValueDisplay::Number, "3"},
                    ValueCase{-1, ValueDisplay::Number, "-1"},
                    ValueCase{4.5, ValueDisplay::Number, "4.5"},
                    ValueCase{0.1 + 0.2, ValueDisplay::Number, "0.30000000000000004"},
                    ValueCase{6.07638888888889e-05, ValueDisplay::Number, "0.0000607638888888889"},
                    ValueCase{1e20, ValueDisplay::Number, "100000000000000000000"},
                    // A time keeps its fraction of a second, to the millisecond.
                    ValueCase{5.25 / 86400, ValueDisplay::Time, "0:00:05.25"},
                    ValueCase{6.07638888888889e-05, ValueDisplay::Time, "0:00:05.25"},
                    ValueCase{62.0 / 86400, ValueDisplay::Time, "0:01:02"},
                    ValueCase{5.005 / 86400, ValueDisplay::Time, "0:00:05.005"},
                    ValueCase{(13 * 3600 + 0.5) / 86400, ValueDisplay::Time, "13:00:00.5"},
                    // A time of day leaves out whole days; a duration counts them as hours.
                    ValueCase{1 + 5.0 / 86400, ValueDisplay::Time, "0:00:05"},
                    ValueCase{1 + 5.0 / 86400, ValueDisplay::ElapsedTime, "24:00:05"},
                    ValueCase{45323, ValueDisplay::Date, "2024-02-01"},
                    ValueCase{45323.5, ValueDisplay::Date, "2024-02-01"},
                    ValueCase{45323.5, ValueDisplay::DateTime, "2024-02-01 12:00:00"},
                    // What no date or time can show stays a number.
                    ValueCase{-0.5, ValueDisplay::Time, "-0.5"},
                    ValueCase{3e6, ValueDisplay::Date, "3000000"}));

TEST(OdsCellValues, ReadDurationsAndDates) {
    struct Case {
        const char* value;
        std::optional<QString> text;
    };
    for (const Case& c : {Case{"PT00H00M05.25S", "0:00:05.25"}, Case{"PT1H2M3S", "1:02:03"},
                          Case{"PT26H00M00S", "26:00:00"}, Case{"P1DT2H", "26:00:00"},
                          Case{"-PT00H00M05S", "-0:00:05"}, Case{"PT", std::nullopt},
                          Case{"PT99999999999999999999H", std::nullopt}, Case{"P", std::nullopt},
                          Case{"5 s", std::nullopt}}) {
        EXPECT_EQ(OdsDateTimeCells::timeValueText(QString::fromLatin1(c.value)), c.text) << c.value;
    }
    for (const Case& c :
         {Case{"2024-02-01", "2024-02-01"}, Case{"2024-02-01T10:00:05.5", "2024-02-01 10:00:05.5"},
          Case{"2024-02-30", std::nullopt}, Case{"yesterday", std::nullopt}}) {
        EXPECT_EQ(OdsDateTimeCells::dateValueText(QString::fromLatin1(c.value)), c.text) << c.value;
    }
}

QByteArray content(const QByteArray& rows) {
    return R"(<office:document-content
 xmlns:office="urn:oasis:names:tc:opendocument:xmlns:office:1.0"
 xmlns:table="urn:oasis:names:tc:opendocument:xmlns:table:1.0"><office:body><office:spreadsheet>
<table:table table:name="one">)" +
           rows +
           R"(</table:table><table:table table:name="two"><table:table-row>
<table:table-cell office:value-type="time" office:time-value="PT9H"/></table:table-row>
</table:table></office:spreadsheet></office:body></office:document-content>)";
}

TEST(OdsTimeCells, FollowRepeatedRowsAndCellsOfTheFirstSheetOnly) {
    const QByteArray rows = R"(
<table:table-header-rows><table:table-row><table:table-cell/></table:table-row></table:table-header-rows>
<table:table-row table:number-rows-repeated="2">
  <table:table-cell table:number-columns-repeated="2"/>
  <table:covered-table-cell/>
  <table:table-cell table:number-columns-repeated="2" office:value-type="time" office:time-value="PT00H00M01.5S"><text:p xmlns:text="t">x</text:p></table:table-cell>
</table:table-row>
<table:table-row><table:table-cell office:value-type="date" office:date-value="2024-02-01"/></table:table-row>)";
    QString error;
    const std::optional<OdsDateTimeCells> cells = OdsDateTimeCells::read(content(rows), &error);
    ASSERT_TRUE(cells) << error.toStdString();
    for (int row : {1, 2}) {
        EXPECT_EQ(cells->text({row, 2}), std::nullopt);
        EXPECT_EQ(cells->text({row, 3}), "0:00:01.5");
        EXPECT_EQ(cells->text({row, 4}), "0:00:01.5");
        EXPECT_EQ(cells->text({row, 5}), std::nullopt);
    }
    EXPECT_EQ(cells->text({3, 0}), "2024-02-01");
    EXPECT_EQ(cells->text({0, 0}), std::nullopt); // the second sheet's cell
}

TEST(OdsTimeCells, RepeatsEndAtTheEdgeOfTheSheet) {
    const QByteArray rows =
        R"(<table:table-row table:number-rows-repeated="1048575"><table:table-cell/></table:table-row>
<table:table-row table:number-rows-repeated="3">
  <table:table-cell table:number-columns-repeated="16383"/>
  <table:table-cell table:number-columns-repeated="4" office:value-type="time" office:time-value="PT1H"/>
</table:table-row>)";
    QString error;
    const std::optional<OdsDateTimeCells> cells = OdsDateTimeCells::read(content(rows), &error);
    ASSERT_TRUE(cells) << error.toStdString();
    QList<CellPosition> listed;
    cells->forEach([&](CellPosition position, const QString&) { listed.append(position); });
    const QList<CellPosition> edge{{CellName::MaxRows - 1, CellName::MaxColumns - 1}};
    EXPECT_EQ(listed, edge);
}

TEST(OdsTimeCells, RefuseBrokenXmlAndEndlessRepetition) {
    QString error;
    EXPECT_FALSE(OdsDateTimeCells::read("<office:document-content><table", &error));
    EXPECT_FALSE(error.isEmpty());
    error.clear();
    const QByteArray huge = R"(<table:table-row table:number-rows-repeated="1048576">
<table:table-cell table:number-columns-repeated="16384" office:value-type="time" office:time-value="PT1H"/>
</table:table-row>)";
    EXPECT_FALSE(OdsDateTimeCells::read(content(huge), &error));
    EXPECT_FALSE(error.isEmpty());
}

} // namespace
} // namespace zyn
