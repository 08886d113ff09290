// The workbook fixtures were made by a real spreadsheet program from the CSV
// sources beside them (tests/data/import/make-workbooks.sh).
#include "fakes/QtPrinters.h"
#include "fakes/TestFiles.h"
#include "import/CueListImport.h"
#include "platform/spreadsheet/LocalSpreadsheetEngine.h"
#include "show/Show.h"

#include <QTemporaryDir>
#include <gtest/gtest.h>
#include <memory>

namespace zyn {
namespace {

using Kind = ImportError::Kind;

QString fixture(const QString& folder, const QString& extension) {
    return test::dataDir(QStringLiteral("import/%1/cues.%2").arg(folder, extension));
}

ImportRow row(const QString& time, const QString& description, const QString& module = {},
              const QString& channel = {}, const QString& security = {}) {
    return ImportRow::fromCells(time, description, module, channel, security);
}

class WorkbookFixture : public testing::TestWithParam<QString> {
protected:
    void SetUp() override {
        if (!m_engine.available())
            GTEST_SKIP() << "built without a spreadsheet engine";
    }

    bool isXls() const { return GetParam() == u"xls"; }
    // The .xls reader gives whole seconds only.
    QString fraction(const QString& full, const QString& whole) const {
        return isXls() ? whole : full;
    }

    LocalSpreadsheetEngine m_engine;
    CueListImport m_import{m_engine};
};

TEST_P(WorkbookFixture, MappedRowsReadAsTheSheetShowsThem) {
    ASSERT_TRUE(m_import.open(fixture("mapped", GetParam()), FileKind::Workbook).ok());
    EXPECT_EQ(m_import.headers(), QStringList({"Time", "Effect", "Slave", "Channel", "Security"}));
    ASSERT_TRUE(m_import.importRows(false, ColumnChoice{1, 2, 3, 4, 5}).ok());
    const QList<ImportRow> expected = {
        row(fraction("00:00:05:250", "00:00:05:000"), "Comet red", "3", "7", "2"),
        row("00:00:05:250", "Time typed as text", "1", "2"),
        row("00:01:02:000", "Whole seconds", "4.5", "16", "-1"),
        row(fraction("00:01:02:400", "00:01:02:000"), "Empty slave and channel"),
        row("00:02:03:125", "Three digits", "200", "16", "255"),
        row("00:02:30:000", "2024-02-01", "2", "3"),
        row("00:02:40:000", "2024-02-01 10:00:00"),
    };
    EXPECT_EQ(m_import.preview().rows(), expected);
}

TEST_P(WorkbookFixture, ATimeWithAFractionWritesItsHundredths) {
    m_import.open(fixture("mapped", GetParam()), FileKind::Workbook);
    m_import.importRows(false, ColumnChoice{1, 2, 3, 4, 5});
    auto show = std::make_unique<Show>();
    const CueWriteResult result = m_import.write(true, *show);
    EXPECT_EQ(show->cues.row(1).TimeText, fraction("00:00:05:25", "00:00:05:00"));
    EXPECT_EQ(show->cues.row(1).Description,
              fraction("Comet red, Time typed as text", "Comet red"));
    // In the .xls file 0:01:02.4 has become 0:01:02 and merges with the cue before.
    EXPECT_EQ(result.cues, 6);
    EXPECT_EQ(show->ics.cell(3, 7), "1-2");
    EXPECT_EQ(show->ics.cell(4, 16), isXls() ? "3" : "2"); // 4.5 rounds to 4
    EXPECT_EQ(show->ics.cell(200, 16), "4-255");
}

TEST_P(WorkbookFixture, TheFixedLayoutStartsAtRowTen) {
    m_import.open(fixture("fixed", GetParam()), FileKind::Workbook);
    ASSERT_TRUE(m_import.importRows(true, ColumnChoice{}).ok());
    const QList<ImportRow> expected = {
        row(fraction("00:00:01:500", "00:00:02:000"), "Opening", "1", "1"),
        row("00:00:03:000", "Second cue", "1", "2", "1"),
        row("00:00:03:000", "Same time as the second", "2", "1", "1"),
        row(fraction("00:00:10:750", "00:00:11:000"), "Finale", "12", "16", "3"),
    };
    EXPECT_EQ(m_import.preview().rows(), expected);
}

TEST_P(WorkbookFixture, ALongListFillsTheWholeShow) {
    m_import.open(fixture("long", GetParam()), FileKind::Workbook);
    ASSERT_TRUE(m_import.importRows(false, ColumnChoice{1, 2, 3, 4, 5}).ok());
    ASSERT_EQ(m_import.preview().rows().size(), MaxCues);
    auto show = std::make_unique<Show>();
    const CueWriteResult result = m_import.write(false, *show);
    EXPECT_FALSE(result.cueLimitReached);
    EXPECT_EQ(result.cues, MaxCues);
    EXPECT_EQ(result.channels, MaxCues);
    EXPECT_EQ(show->cues.row(MaxCues).TimeText, "00:19:44:00");
    EXPECT_EQ(show->cues.row(1).Description, "Cue 1");
    EXPECT_EQ(show->ics.cell(200, 16), "3200-10");
}

TEST_P(WorkbookFixture, AnUnreadableFileGivesAClearErrorAndNoRows) {
    QTemporaryDir dir;
    const QByteArray whole = test::fileContent(fixture("mapped", GetParam()));
    struct Case {
        const char* name;
        QByteArray content;
        Kind kind;
    };
    for (const Case& c : {Case{"half", whole.left(whole.size() / 2), Kind::DamagedWorkbook},
                          Case{"text", "Time;Effect\r\n0:00:01;a\r\n", Kind::NotAWorkbook},
                          Case{"empty", "", Kind::EmptyFile}}) {
        const QString path = dir.filePath(QStringLiteral("%1.%2").arg(c.name, GetParam()));
        ASSERT_TRUE(test::putFile(path, c.content));
        EXPECT_EQ(m_import.open(path, FileKind::Workbook).kind, c.kind) << c.name;
        EXPECT_EQ(m_import.importRows(false, ColumnChoice{1, 2, 0, 0, 0}).kind, c.kind) << c.name;
        EXPECT_TRUE(m_import.preview().isEmpty()) << c.name;
    }
    EXPECT_EQ(m_import.open(dir.filePath("missing.xlsx"), FileKind::Workbook).kind,
              Kind::CannotOpen);
    EXPECT_EQ(m_import.open(dir.path(), FileKind::Workbook).kind, Kind::CannotOpen);
}

INSTANTIATE_TEST_SUITE_P(Formats, WorkbookFixture,
                         testing::Values(QStringLiteral("xlsx"), QStringLiteral("ods"),
                                         QStringLiteral("xls")),
                         [](const testing::TestParamInfo<QString>& format) {
                             return format.param.toStdString();
                         });

} // namespace
} // namespace zyn
