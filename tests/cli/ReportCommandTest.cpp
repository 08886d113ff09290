// zynctl report: a project's channel list or time list as text, workbook or
// PDF, run in-process.
#include "ZynCtlRun.h"
#include "cli/ZynCtl.h"
#include "fakes/GuiApplication.h"
#include "fakes/QtPrinters.h"
#include "fakes/TestPaths.h"
#include "platform/spreadsheet/LocalSpreadsheetEngine.h"

#include <QDir>
#include <QFile>
#include <gtest/gtest.h>

using namespace zyn;

namespace {

class ReportCommand : public test::ZynCtlFolderTest {
protected:
    void SetUp() override {
        ASSERT_TRUE(test::ensureGuiApplication());
        writeFile("show.json",
                  "{\"cues\": [{\"row\": 1, \"time\": \"00:00:05:00\", \"description\": \"3,5\"},"
                  "{\"row\": 2, \"time\": \"MAN\", \"description\": \"Pause\"}],"
                  " \"channels\": [{\"slave\": 3, \"channel\": 5, \"cell\": \"1-2\"}]}");
        ASSERT_EQ(status({"build", path("show.json"), "-o", path("show.zyn")}), ZynCtl::Success);
    }

    int status(const QStringList& arguments) {
        const test::CliResult result = run(arguments);
        m_err = result.err;
        return result.status;
    }

    QByteArray m_err;
};

TEST_F(ReportCommand, WritesEachKindOfOutput) {
    ASSERT_EQ(status({"report", "times", path("show.zyn"), "-o", path("t.XLT")}), ZynCtl::Success)
        << m_err.toStdString();
    const QList<QByteArray> lines = readFile("t.XLT").split('\n');
    ASSERT_EQ(lines.size(), 8);
    EXPECT_EQ(lines[2], QDir::toNativeSeparators(path("show.zyn")).toUtf8() + "\r");
    EXPECT_EQ(lines[5], " 1\t 00:00:05:00\t 3.5\t 3-5-2\t\r");
    EXPECT_EQ(lines[6], " 2\t MANUAL STOP\t Pause\t \t\r"); // the language's stop label

    ASSERT_EQ(status({"report", "channels", path("show.zyn"), "-o", path("c.pdf")}),
              ZynCtl::Success);
    EXPECT_TRUE(readFile("c.pdf").startsWith("%PDF-"));

    ASSERT_EQ(status({"report", "channels", path("show.zyn"), "-o", path("c.xlsx")}),
              ZynCtl::Success);
    if (!LocalSpreadsheetEngine().available())
        GTEST_SKIP() << "built without a workbook reader";
    const SpreadsheetEngine::Opened opened = LocalSpreadsheetEngine().open(path("c.xlsx"));
    ASSERT_TRUE(opened.error.ok()) << opened.error.detail.toStdString();
    EXPECT_EQ(opened.workbook->cellText(u"A1"), "Channel List");
    EXPECT_EQ(opened.workbook->cellText(u"Q7"), "Ch 16");
    EXPECT_EQ(opened.workbook->cellText(u"F10"), "1-2");
    EXPECT_EQ(opened.workbook->cellText(u"A207"), "200");
}

TEST_F(ReportCommand, ATextExportNamesAProjectFolderOutsideTheCodePageWithQuestionMarks) {
    ASSERT_TRUE(QDir(m_dir.path()).mkdir(QStringLiteral("Łódź")));
    const QString project = path(QStringLiteral("Łódź/show.zyn"));
    ASSERT_TRUE(QFile::copy(path("show.zyn"), project));
    ASSERT_EQ(status({"report", "times", project, "-o", path("t.xlt")}), ZynCtl::Success)
        << m_err.toStdString();
    const QList<QByteArray> lines = readFile("t.xlt").split('\n');
    ASSERT_EQ(lines.size(), 8);
    EXPECT_EQ(lines[2], QDir::toNativeSeparators(m_dir.path()).toUtf8() +
                            QDir::separator().toLatin1() +
                            "?\xF3"
                            "d?" +
                            QDir::separator().toLatin1() + "show.zyn\r");
}

TEST_F(ReportCommand, AMissingProjectOrFolderFailsWithOneLine) {
    const std::pair<QStringList, const char*> cases[] = {
        {{"report", "times", path("missing.zyn"), "-o", path("t.pdf")}, "missing.zyn"},
        {{"report", "times", path("show.zyn"), "-o", path("no/such/t.xlt")}, "t.xlt"},
    };
    for (const auto& [arguments, mentions] : cases) {
        SCOPED_TRACE(arguments.join(' ').toStdString());
        EXPECT_EQ(status(arguments), ZynCtl::Failure);
        EXPECT_TRUE(m_err.contains(mentions)) << m_err.toStdString();
        EXPECT_EQ(m_err.count('\n'), 1);
    }
    EXPECT_FALSE(QFile::exists(path("t.pdf")));
}

} // namespace
