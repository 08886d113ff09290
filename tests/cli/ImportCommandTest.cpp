#include "ZynCtlRun.h"
#include "cli/ZynCtl.h"
#include "fakes/QtPrinters.h"
#include "fakes/TestPaths.h"

#include <QFile>
#include <gtest/gtest.h>

namespace zyn {
namespace {

class ImportCommand : public test::ZynCtlFolderTest {
protected:
    int run(const QStringList& arguments) {
        const test::CliResult result = ZynCtlFolderTest::run(arguments);
        m_out = result.out;
        m_err = result.err;
        return result.status;
    }

    // The show JSON of a project file.
    QByteArray dump(const QString& project) {
        EXPECT_EQ(run({"dump", project}), ZynCtl::Success) << m_err.toStdString();
        return m_out;
    }

    static QString fixture(const QString& folder, const QString& extension) {
        return test::dataDir(QStringLiteral("import/%1/cues.%2").arg(folder, extension));
    }

    QByteArray m_out;
    QByteArray m_err;
};

TEST_F(ImportCommand, ReadsATextCueListIntoAProject) {
    const QString list =
        writeFile("cues.csv", "Time;;;;;;Effect;;Colour;;Slave;Channel\r\n"
                              "x;00:01:02.5;a;b;c;d;Fountain;e;red;f;3;7\r\n"
                              "x;00:01:02.5;a;b;c;d;\"Comet; \"\"big\"\"\";e;;f;3;8\r\n");
    ASSERT_EQ(run({"import", list, "-o", path("show.zyn"), "--merge"}), ZynCtl::Success)
        << m_err.toStdString();
    EXPECT_EQ(m_err, "");
    EXPECT_EQ(dump(path("show.zyn")), R"json({
  "mode": 1,
  "sortPending": false,
  "cues": [
    {"row": 1, "time": "00:00:00:00", "description": "Effect (Colour)"},
    {"row": 2, "time": "00:01:02:50", "description": "Fountain (red), Comet; \"big\""}
  ],
  "channels": [
    {"slave": 3, "channel": 7, "cell": "2"},
    {"slave": 3, "channel": 8, "cell": "2"}
  ]
}
)json");
}

TEST_F(ImportCommand, MapsWorkbookColumnsByHeaderOrLetter) {
    for (const QString format : {"xlsx", "ods", "xls"}) {
        SCOPED_TRACE(format.toStdString());
        ASSERT_EQ(
            run({"import", fixture("mapped", format), "-o", path("show.zyn"), "--time", "Time",
                 "--desc", "b", "--module", "Slave", "--channel", "D", "--security", "Security"}),
            ZynCtl::Success)
            << m_err.toStdString();
        // The .xls reader drops the hundredths of time cells: the user is told.
        EXPECT_EQ(m_err.contains("from .xls workbooks are read in whole seconds"), format == u"xls")
            << m_err.toStdString();
        const QByteArray json = dump(path("show.zyn"));
        EXPECT_TRUE(json.contains(
            R"({"row": 2, "time": "00:00:05:25", "description": "Time typed as text"})"))
            << json.toStdString();
        EXPECT_TRUE(json.contains(R"({"slave": 3, "channel": 7, "cell": "1-2"})"))
            << json.toStdString();
    }
}

TEST_F(ImportCommand, ReadsTheFixedLayout) {
    ASSERT_EQ(run({"import", fixture("fixed", "ods"), "-o", path("show.zyn"), "--fixed"}),
              ZynCtl::Success);
    EXPECT_TRUE(dump(path("show.zyn")).contains(R"({"slave": 12, "channel": 16, "cell": "4-3"})"));
}

TEST_F(ImportCommand, FailsWithOneLineAndWritesNothing) {
    QByteArray tooMany;
    for (int i = 0; i <= 3200; ++i)
        tooMany += QStringLiteral("x;0:%1:%2,5;;;;;c;;;;1;1\r\n")
                       .arg(i / 60)
                       .arg(i % 60, 2, 10, QLatin1Char('0'))
                       .toLatin1();
    const QByteArray half = readFile(fixture("mapped", "xlsx")).left(3000);
    struct Case {
        const char* name;
        QStringList words;
        const char* mentions;
    };
    for (const Case& c : {
             Case{"project file",
                  {"import", writeFile("p.txt", "[ZYN600 PROJECTFILE]\r\n"), "-o", path("s.zyn")},
                  "p.txt"},
             Case{"damaged workbook",
                  {"import", writeFile("d.xlsx", half), "-o", path("s.zyn")},
                  "d.xlsx"},
             Case{"bad time",
                  {"import",
                   writeFile("t.csv", "x;0:0:1,5;;;;;c;;;;1;1\r\nx;0:61:00,5;;;;;c;;;;1;1\r\n"),
                   "-o", path("s.zyn")},
                  "line 2"},
             Case{"unknown column",
                  {"import", fixture("mapped", "ods"), "-o", path("s.zyn"), "--desc", "Colour"},
                  "Colour"},
             Case{"letter beyond the headers",
                  {"import", fixture("mapped", "ods"), "-o", path("s.zyn"), "--desc", "F"},
                  "--desc F"},
             Case{
                 "cue limit", {"import", writeFile("l.csv", tooMany), "-o", path("s.zyn")}, "3200"},
         }) {
        EXPECT_EQ(run(c.words), ZynCtl::Failure) << c.name;
        EXPECT_TRUE(m_err.startsWith("zynctl: ")) << c.name;
        EXPECT_EQ(m_err.count('\n'), 1) << c.name << ": " << m_err.toStdString();
        EXPECT_TRUE(m_err.contains(c.mentions)) << c.name << ": " << m_err.toStdString();
        EXPECT_FALSE(QFile::exists(path("s.zyn"))) << c.name;
    }
}

TEST_F(ImportCommand, WarnsAboutRowsThatAssignNoChannelByTheirLineInTheFile) {
    const QString list = writeFile("cues.csv", "x;0:0:1,5;;;;;Fine;;;;1;1\r\n\r\n"
                                               "x;0:0:2,5;;;;;No such slave;;;;201;1\r\n");
    ASSERT_EQ(run({"import", list, "-o", path("show.zyn")}), ZynCtl::Success);
    EXPECT_TRUE(m_err.startsWith("zynctl: warning: line 3 (00:00:02:500)")) << m_err.toStdString();
    EXPECT_EQ(m_err.count('\n'), 1);
    const QByteArray json = dump(path("show.zyn"));
    EXPECT_TRUE(json.contains("No such slave"));
    EXPECT_TRUE(json.contains(R"({"slave": 1, "channel": 1, "cell": "1"})"));
    EXPECT_FALSE(json.contains(R"("slave": 201)"));
}

} // namespace
} // namespace zyn
