// Export of the whole report as tab-separated text or as a workbook.
#include "ReportTestSupport.h"
#include "Version.h"
#include "fakes/QtPrinters.h"
#include "fakes/TestFiles.h"
#include "platform/spreadsheet/LocalSpreadsheetEngine.h"
#include "reports/ReportXlt.h"
#include "reports/xlsx/ReportExporter.h"

#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace zyn {
namespace {

using test::buildReport;
using test::CharWidthMeasurer;

class ReportExport : public ::testing::Test {
protected:
    // Cue 1 timed, with a comma in its description and a channel with a
    // level; cue 2 with an accented description only.
    static Report timeList(const QString& projectPath = QStringLiteral("/shows/new year.zyn")) {
        auto show = test::emptyShow();
        show->state.ProjectPath = projectPath;
        show->cues.row(1).TimeText = QStringLiteral("00:00:05:00");
        show->cues.row(1).Description = QStringLiteral("3,5 inch");
        show->cues.row(2).Description = QStringLiteral("Café");
        show->ics.cell(1, 1) = QStringLiteral("1-2");
        return buildReport(*show, TimeListReport, CharWidthMeasurer());
    }

    QString path(const QString& name) const { return m_dir.filePath(name); }

    QTemporaryDir m_dir;
};

TEST_F(ReportExport, TextFileHasTheTitleLinesCaptionsAndOneLinePerRow) {
    Report report = timeList();
    const QByteArray program = QStringLiteral("ZYN K5 (%1.%2.%3)")
                                   .arg(Version::Major)
                                   .arg(Version::Minor)
                                   .arg(Version::Revision)
                                   .toLatin1();
    // No text may shift the columns or rows of the file.
    report.ReportPool[2][2] = QStringLiteral("Caf\u00e9\tb\r\nc");
    const ReportExporter::Outcome outcome =
        ReportExporter::sb_Export_Report(report, path("times.xlt"));
    ASSERT_TRUE(outcome.error.ok()) << outcome.error.detail.toStdString();
    EXPECT_EQ(outcome.kind, ExportFileKind::Text);
    EXPECT_EQ(test::fileContent(path("times.xlt")),
              "Time List\r\n" + program +
                  "\r\n/shows/new year.zyn\r\n\r\n"
                  "Cue\tTime\tDescription\tSlave-Channel-Level\t\r\n"
                  " 1\t 00:00:05:00\t 3.5 inch\t 1-1-2\t\r\n"
                  " 2\t \t Caf\xe9 b  c\t \t\r\n");
}

TEST_F(ReportExport, ChannelListTextHasSeventeenFieldsWithABlankForAFreeChannel) {
    auto show = test::emptyShow();
    show->ics.cell(1, 16) = QStringLiteral("K 4");
    const Report report = buildReport(*show, ChannelListReport, CharWidthMeasurer());
    ASSERT_TRUE(ReportXlt::save(report, path("channels.xlt")).ok());
    const QList<QByteArray> lines = test::fileContent(path("channels.xlt")).split('\n');
    ASSERT_EQ(lines.size(), 4 + 1 + 200 + 1);
    EXPECT_EQ(lines[4].count('\t'), 17);
    EXPECT_EQ(lines[5], " 1\t" + QByteArray(" \t").repeated(15) + " K 4\t\r");
}

TEST_F(ReportExport, TheNameEndingChoosesTheKindInAnyCase) {
    const std::pair<const char*, ExportFileKind> cases[] = {
        {"a.xlt", ExportFileKind::Text},      {"A.XLT", ExportFileKind::Text},
        {"b.xlsx", ExportFileKind::Workbook}, {"c.XLS", ExportFileKind::Workbook},
        {"d.pdf", ExportFileKind::None},      {"e.xlt.txt", ExportFileKind::None},
    };
    const Report report = timeList();
    for (const auto& [name, kind] : cases) {
        SCOPED_TRACE(name);
        const ReportExporter::Outcome outcome =
            ReportExporter::sb_Export_Report(report, path(name));
        EXPECT_EQ(outcome.kind, kind);
        EXPECT_TRUE(outcome.error.ok());
        EXPECT_EQ(QFile::exists(path(name)), kind != ExportFileKind::None);
    }
}

TEST_F(ReportExport, AFailedWriteKeepsThePreviousFile) {
    ASSERT_TRUE(test::putFile(path("times.xlt"), "previous"));
    // A cell the code page cannot hold is refused with its line.
    Report report = timeList();
    report.ReportPool[2][2] = QStringLiteral("Ω");
    const FileError error = ReportXlt::save(report, path("times.xlt"));
    EXPECT_EQ(error.kind, FileError::Kind::Unstorable);
    EXPECT_EQ(error.line, 7);
    EXPECT_TRUE(error.detail.contains(QStringLiteral("U+03A9"))) << error.detail.toStdString();
    EXPECT_EQ(test::fileContent(path("times.xlt")), "previous");
    for (const char* name : {"no/such/times.xlt", "no/such/times.xlsx"}) {
        SCOPED_TRACE(name);
        EXPECT_EQ(ReportExporter::sb_Export_Report(timeList(), path(name)).error.kind,
                  FileError::Kind::CannotWrite);
    }
}

TEST_F(ReportExport, WorkbookReadsBackWithTitleCaptionsAndRowsInTheirCells) {
    const LocalSpreadsheetEngine engine;
    if (!engine.available())
        GTEST_SKIP() << "built without a workbook reader";
    const Report report = timeList("/shows/Ω.zyn");
    for (const char* name : {"times.xlsx", "times.XLS"}) {
        SCOPED_TRACE(name);
        ASSERT_TRUE(ReportExporter::sb_Export_Report(report, path(name)).error.ok());
        const SpreadsheetEngine::Opened opened = engine.open(path(name));
        ASSERT_TRUE(opened.error.ok()) << opened.error.detail.toStdString();
        const std::pair<const char*, QString> cells[] = {
            {"A1", "Time List"},
            {"A2", ""},
            {"A4", report.TitleInfo[0]},
            {"A5", "/shows/Ω.zyn"},
            {"A6", ""},
            {"A7", "Cue"},
            {"D7", "Slave-Channel-Level"},
            {"A8", "1"},
            {"B8", "00:00:05:00"},
            {"C8", "3.5 inch"},
            {"D8", "1-1-2"},
            {"C9", "Café"},
            {"A10", ""},
            {"E7", ""},
        };
        for (const auto& [cell, text] : cells)
            EXPECT_EQ(opened.workbook->cellText(QString::fromLatin1(cell)), text) << cell;
    }
}

} // namespace
} // namespace zyn
