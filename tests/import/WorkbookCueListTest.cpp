#include "import/WorkbookCueList.h"

#include "fakes/FakeSpreadsheet.h"
#include "fakes/QtPrinters.h"
#include "import/ImportErrorText.h"
#include "import/ImportTextId.h"
#include "settings/LanguageTexts.h"
#include "settings/TextId.h"

#include <gtest/gtest.h>

namespace zyn {
namespace {

using test::FakeWorkbook;

QStringList letters(int count) {
    QStringList headers;
    for (int c = 1; c <= count; ++c)
        headers.append(WorkbookCueList::columnLetters(c));
    return headers;
}

TEST(WorkbookHeaders, StopAtTheFirstEmptyHeaderOrAfterZ) {
    struct Case {
        QStringList row1;
        QStringList texts;
        int columns;
    };
    for (const Case& c : {Case{{"Time", "Effect", "Slave"}, {"Time", "Effect", "Slave"}, 4},
                          Case{{"Time", "", "Slave"}, {"Time"}, 2}, Case{{}, {}, 1},
                          Case{letters(26), letters(26), 26}, Case{letters(27), letters(26), 26}}) {
        const WorkbookCueList::Headers headers =
            WorkbookCueList::readHeaders(FakeWorkbook({c.row1}));
        EXPECT_EQ(headers.texts, c.texts);
        EXPECT_EQ(headers.columns, c.columns) << c.row1.size();
    }
}

const QList<QStringList> MappedSheet = {
    {"Effect", "Time", "Slave", "Channel", "Level"},
    {"Comet", "0:00:05,25", "3", "7", "2"},
    {"", "0:00:06", "", "", ""},
    {},
    {"Never read", "0:00:09", "1", "1", ""},
};

TEST(WorkbookMappedRows, TakeTheChosenColumnsUntilAnEmptyRow) {
    const ImportRows read = WorkbookCueList::readRows(FakeWorkbook(MappedSheet), "w.xlsx", false, 6,
                                                      ColumnChoice{2, 1, 3, 4, 5});
    ASSERT_TRUE(read.error.ok());
    ASSERT_EQ(read.rows.size(), 2);
    EXPECT_EQ(read.rows[0], ImportRow::fromCells("00:00:05:250", "Comet", "3", "7", "2"));
    EXPECT_EQ(read.rows[1], ImportRow::fromCells("00:00:06:000", "", "", "", ""));
}

TEST(WorkbookMappedRows, EndOnlyWhenAllExaminedColumnsAreEmpty) {
    // Headers in A to E make six examined columns: a row holding only an F
    // cell goes on, one holding only a G cell ends the data.
    QList<QStringList> sheet = MappedSheet;
    sheet[3] = QStringList{"", "", "", "", "", "in F"};
    ImportRows read = WorkbookCueList::readRows(FakeWorkbook(sheet), "w.xlsx", false, 6,
                                                ColumnChoice{0, 1, 0, 0, 0});
    EXPECT_EQ(read.rows.size(), 4);
    sheet[3] = QStringList{"", "", "", "", "", "", "in G"};
    read = WorkbookCueList::readRows(FakeWorkbook(sheet), "w.xlsx", false, 6,
                                     ColumnChoice{0, 1, 0, 0, 0});
    EXPECT_EQ(read.rows.size(), 2);
}

TEST(WorkbookMappedRows, WithoutATimeColumnEveryRowHasTheZeroTime) {
    const ImportRows read = WorkbookCueList::readRows(FakeWorkbook(MappedSheet), "w.xlsx", false, 6,
                                                      ColumnChoice{0, 1, 0, 0, 0});
    ASSERT_EQ(read.rows.size(), 2);
    EXPECT_EQ(read.rows[0].time, "00:00:00:000");
    EXPECT_EQ(read.rows[0].module, "");
}

TEST(WorkbookMappedRows, ABadTimeEndsTheReadingAtItsRow) {
    QList<QStringList> sheet = MappedSheet;
    sheet[2][1] = "later";
    const ImportRows read = WorkbookCueList::readRows(FakeWorkbook(sheet), "w.xlsx", false, 6,
                                                      ColumnChoice{2, 1, 3, 4, 5});
    EXPECT_EQ(read.error.kind, ImportError::Kind::BadTime);
    EXPECT_EQ(read.error.line, 3);
    EXPECT_EQ(read.error.detail, "later");
    EXPECT_EQ(read.rows.size(), 1);
}

TEST(WorkbookFixedRows, StartAtRowTenWithTimeModuleChannelSecurityDescription) {
    QList<QStringList> sheet(9, QStringList{"heading"});
    sheet.append({"0:00:01,5", "2", "16", "3", "Opening"});
    sheet.append({"", "", "", "", "Description only"});
    sheet.append(QStringList());
    sheet.append({"0:00:09", "1", "1", "", "Never read"});
    // The chosen columns play no part in the fixed layout.
    const ImportRows read = WorkbookCueList::readRows(FakeWorkbook(sheet), "w.xls", true, 2,
                                                      ColumnChoice{5, 5, 5, 5, 5});
    EXPECT_EQ(read.error.kind, ImportError::Kind::BadTime); // row 11 has no time
    EXPECT_EQ(read.error.line, 11);
    // A sheet row is called a row, not a line.
    QStringList texts(TextId::Bound);
    texts[TextId::WordLine] = "line";
    texts[ImportTextId::WordRow] = "row";
    EXPECT_TRUE(
        ImportErrorText::description(read.error, LanguageTexts(texts)).endsWith("w.xls, row 11"));
    ASSERT_EQ(read.rows.size(), 1);
    EXPECT_EQ(read.rows[0], ImportRow::fromCells("00:00:01:500", "Opening", "2", "16", "3"));
    EXPECT_EQ(ImportErrorText::place(read.rows[0].unit, read.rows[0].line, LanguageTexts(texts)),
              "row 10");
}

} // namespace
} // namespace zyn
