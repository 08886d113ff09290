#include "import/CueListImport.h"

#include "fakes/FakeSpreadsheet.h"
#include "fakes/QtPrinters.h"
#include "fakes/TestFiles.h"
#include "import/ImportErrorText.h"
#include "settings/LanguageTexts.h"
#include "settings/TextId.h"
#include "show/Show.h"

#include <QTemporaryDir>
#include <gtest/gtest.h>
#include <memory>

namespace zyn {
namespace {

using Kind = ImportError::Kind;

const QList<QStringList> Sheet = {
    {"Time", "Effect", "Slave", "Channel"},
    {"0:00:05,25", "Comet", "3", "7"},
    {"0:00:01", "Palm", "3", "8"},
};

class CueListImporting : public testing::Test {
protected:
    QString writeText(const QByteArray& content) {
        const QString path = m_dir.filePath(QStringLiteral("cues.txt"));
        EXPECT_TRUE(test::putFile(path, content));
        return path;
    }

    QTemporaryDir m_dir;
    test::FakeSpreadsheetEngine m_engine{Sheet};
    CueListImport m_import{m_engine};
};

TEST_F(CueListImporting, WorkbookRowsAddUpTextRowsReplace) {
    m_import.open("cues.xlsx", FileKind::Workbook);
    const ColumnChoice columns{1, 2, 3, 4, 0};
    ASSERT_TRUE(m_import.importRows(false, columns).ok());
    ASSERT_TRUE(m_import.importRows(false, columns).ok());
    EXPECT_EQ(m_import.preview().RowsUsed(), 5);
    EXPECT_EQ(m_import.preview().cellText(1, 0), "00:00:05:250");
    EXPECT_EQ(m_import.preview().cellText(3, 1), "Comet");

    m_import.open(writeText("x;0:0:2,5;;;;;Text;;;;1;1\r\n"), FileKind::TextFile);
    ASSERT_TRUE(m_import.importRows(false, columns).ok());
    EXPECT_EQ(m_import.preview().RowsUsed(), 2);
    EXPECT_EQ(m_import.preview().cellText(1, 1), "Text");
}

TEST_F(CueListImporting, WritingTakesThePreviewAsTheUserLeftIt) {
    m_import.open("cues.xlsx", FileKind::Workbook);
    m_import.importRows(false, ColumnChoice{1, 2, 3, 4, 0});
    m_import.preview().removeRow(0); // the header row stays
    m_import.preview().removeRow(3); // beyond the data
    m_import.preview().removeRow(1);
    EXPECT_EQ(m_import.preview().RowsUsed(), 2);
    auto show = std::make_unique<Show>();
    const CueWriteResult result = m_import.write(false, *show);
    EXPECT_EQ(result.cues, 1);
    EXPECT_EQ(show->cues.row(1).Description, "Palm");
    EXPECT_EQ(show->ics.cell(3, 8), "1");
    EXPECT_EQ(show->ics.cell(3, 7), "");
}

TEST_F(CueListImporting, ALevelBeyondWhatTheControllerStoresKeepsItsChannelAndIsNoted) {
    m_engine.setRows({{"Time", "Effect", "Slave", "Channel", "Security"},
                      {"0:00:01", "Comet", "3", "7", "300"}});
    m_import.open("cues.xlsx", FileKind::Workbook);
    ASSERT_TRUE(m_import.importRows(false, ColumnChoice{1, 2, 3, 4, 5}).ok());
    EXPECT_EQ(m_import.preview().rows().first().notes(), QList{ImportNote::LevelRefused});
    auto show = std::make_unique<Show>();
    EXPECT_EQ(m_import.write(false, *show).channels, 1);
    EXPECT_EQ(show->ics.cell(3, 7), "1-300");
}

TEST_F(CueListImporting, EngineFailuresKeepThePreviewAsItWas) {
    m_import.open("cues.xlsx", FileKind::Workbook);
    m_import.importRows(false, ColumnChoice{1, 2, 3, 4, 0});
    struct Case {
        WorkbookError::Kind engine;
        Kind import;
    };
    for (const Case& c : {Case{WorkbookError::Kind::Unavailable, Kind::SpreadsheetMissing},
                          Case{WorkbookError::Kind::Empty, Kind::EmptyFile},
                          Case{WorkbookError::Kind::Damaged, Kind::DamagedWorkbook}}) {
        m_engine.setError({c.engine, "why"});
        const ImportError error = m_import.importRows(false, ColumnChoice{1, 2, 3, 4, 0});
        EXPECT_EQ(error.kind, c.import);
        EXPECT_EQ(error.detail, "why");
        EXPECT_EQ(error.path, "cues.xlsx");
        EXPECT_EQ(m_import.preview().RowsUsed(), 3);
    }
}

// Every text as "T" and its number, so a case shows which texts it joins.
LanguageTexts numberedTexts() {
    QStringList all(TextId::Bound);
    for (int n = 1; n < TextId::Bound; ++n)
        all[n] = QStringLiteral("T%1").arg(n);
    return LanguageTexts(all);
}

TEST(ImportErrorTexts, NameWhatWhereAndWhyInTheLanguage) {
    struct Case {
        ImportError error;
        const char* expected;
    };
    const Case cases[] = {
        {{}, ""},
        {ImportError::at(Kind::SpreadsheetMissing, "/b.xlsx"), "T177\r\n/b.xlsx"},
        {ImportError::at(Kind::ProjectFile, "/p.zyn", 1), "T181\r\n/p.zyn, T240 1"},
        {ImportError::at(Kind::CannotOpen, "/c.txt", 0, "gone"), "T234\r\n/c.txt\r\ngone"},
        {ImportError::at(Kind::EmptyFile, "/e.txt"), "T270\r\n/e.txt"},
        {ImportError::at(Kind::NotText, "/n.txt"), "T271\r\n/n.txt"},
        {ImportError::at(Kind::NotAWorkbook, "/w.xls", 0, "why"), "T272\r\n/w.xls\r\nwhy"},
        {ImportError::at(Kind::DamagedWorkbook, "/d.ods"), "T273\r\n/d.ods"},
        {ImportError::at(Kind::TooFewFields, "/t.csv", 3, "5"), "T274 5\r\n/t.csv, T240 3"},
        {ImportError::at(Kind::BadTime, "/t.csv", 2, "0:61"), "T276 \"0:61\"\r\n/t.csv, T240 2"},
        {ImportError::at(Kind::BadTime, "/b.xlsx", 12), "T275\r\n/b.xlsx, T240 12"},
    };
    const LanguageTexts texts = numberedTexts();
    for (const Case& c : cases)
        EXPECT_EQ(ImportErrorText::description(c.error, texts), c.expected) << c.expected;
}

TEST(ImportErrorTexts, RowNotesLeadWithTheValuesTheyAreAbout) {
    ImportRow row = ImportRow::fromCells("00:00:01:000", "x", "201", "17", "300");
    const LanguageTexts texts = numberedTexts();
    EXPECT_EQ(ImportErrorText::noteText(ImportNote::DescriptionReplaced, row, texts), "T277");
    EXPECT_EQ(ImportErrorText::noteText(ImportNote::ChannelOutOfRange, row, texts),
              "T189 201, T190 17: T278");
    EXPECT_EQ(ImportErrorText::noteText(ImportNote::LevelRefused, row, texts), "T191 300: T340");
}

} // namespace
} // namespace zyn
