#include "cli/ZynCtl.h"

#include "Version.h"
#include "ZynCtlRun.h"
#include "fakes/QtPrinters.h"
#include "fakes/TestPaths.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <gtest/gtest.h>

using namespace zyn;

namespace {

using Result = test::CliResult;

using ZynCtlRun = test::ZynCtlFolderTest;

const QByteArray EmptyShowJson = "{\n"
                                 "  \"mode\": 1,\n"
                                 "  \"sortPending\": false,\n"
                                 "  \"cues\": [],\n"
                                 "  \"channels\": []\n"
                                 "}\n";

} // namespace

TEST_F(ZynCtlRun, NewWritesAnEmptyShowThatDumpsAsModeOneWithoutCues) {
    ASSERT_EQ(run({"new", "-o", path("a.zyn")}).status, ZynCtl::Success);
    EXPECT_EQ(readFile("a.zyn").count("\r\n"), 9611);
    const Result dumped = run({"dump", path("a.zyn")});
    EXPECT_EQ(dumped.status, ZynCtl::Success);
    EXPECT_EQ(dumped.out, EmptyShowJson);
    EXPECT_EQ(dumped.err, "");
}

TEST_F(ZynCtlRun, ANewManualShowLoadsBackAsATimeCodedShowAwaitingASort) {
    ASSERT_EQ(run({"new", "--manual", "-o", path("m.zyn")}).status, ZynCtl::Success);
    EXPECT_TRUE(readFile("m.zyn").contains("#FALSE#,#FALSE#,2\r\n"));
    QByteArray expected = EmptyShowJson;
    expected.replace("\"sortPending\": false", "\"sortPending\": true");
    EXPECT_EQ(run({"dump", path("m.zyn")}).out, expected);
}

TEST_F(ZynCtlRun, BuildThenDumpGivesBackTheSameJson) {
    const QByteArray json =
        "{\n"
        "  \"mode\": 1,\n"
        "  \"sortPending\": true,\n"
        "  \"cues\": [\n"
        "    {\"row\": 1, \"time\": \"00:00:05:00\", \"description\": \"Comet, \\\"gold\\\"; "
        "red\"},\n"
        "    {\"row\": 2, \"time\": \"MAN\", \"description\": \"Pause\"},\n"
        "    {\"row\": 3, \"time\": \"TS #1\", \"description\": \"Feuerwerk über dem Fluß\"},\n"
        "    {\"row\": 4, \"time\": \"TR #1\", \"description\": \"Café crème, ÿ\"},\n"
        "    {\"row\": 5, \"time\": \"00:01:30.25\", \"description\": \"\"},\n"
        "    {\"row\": 3200, \"time\": \"\", \"description\": \"no time yet\"}\n"
        "  ],\n"
        "  \"channels\": [\n"
        "    {\"slave\": 1, \"channel\": 1, \"cell\": \"1\"},\n"
        "    {\"slave\": 1, \"channel\": 2, \"cell\": \"1-3\"},\n"
        "    {\"slave\": 7, \"channel\": 16, \"cell\": \"K 4\"},\n"
        "    {\"slave\": 200, \"channel\": 16, \"cell\": \"K 10-10\"}\n"
        "  ]\n"
        "}\n";
    writeFile("show.json", json);
    const Result built = run({"build", path("show.json"), "-o", path("show.zyn")});
    ASSERT_EQ(built.status, ZynCtl::Success) << built.err.toStdString();
    EXPECT_EQ(run({"dump", path("show.zyn")}).out, json);
}

// Every command's malformed lines, gathered: each names what is wrong and
// shows the usage.
TEST_F(ZynCtlRun, UsageErrorsExitWithTwo) {
    const struct {
        QStringList arguments;
        const char* mentions = "usage:";
    } cases[] = {
        {{}},
        {{"frobnicate"}},
        {{"new"}},
        {{"new", "-o"}},
        {{"new", "--colour", "-o", "x.zyn"}},
        {{"dump"}},
        {{"dump", "a.zyn", "b.zyn"}},
        {{"build", "show.json"}},
        {{"lang"}},
        {{"lang", "translate"}},
        {{"lang", "compile", "English.txt"}},
        {{"sort"}},
        {{"sort", "a.zyn", "b.zyn"}},
        {{"sort", "a.zyn", "-o"}},
        {{"check"}},
        {{"check", "a.zyn", "b.zyn"}},
        {{"check", "a.zyn", "--module-gap", "soon"}},
        {{"check", "a.zyn", "--module-gap", "-1"}},
        {{"table"}},
        {{"table", "a.zyn"}},
        {{"table", "a.zyn", "b.zyn", "-o", "x"}},
        {{"transfer"}},
        {{"transfer", "a.zyn", "--port"}},
        {{"transfer", "a.zyn", "b.zyn"}},
        {{"card-image", "a.zyn"}},
        {{"card-write"}},
        {{"card-write", "a.zyn", "--reader", "floppy"}},
        {{"card-write", "a.zyn", "--reader", "pcsc:one"}},
        {{"import", "cues.csv"}},
        {{"import", "-o", path("s.zyn")}},
        {{"import", "cues.csv", "-o", path("s.zyn"), "--fixed"}},
        {{"import", "cues.csv", "-o", path("s.zyn"), "--time", "A"}},
        {{"import", "cues.xlsx", "-o", path("s.zyn"), "--fixed", "--time", "A"}},
        {{"import", "cues.xlsx", "-o", path("s.zyn"), "--sheet", "2"}},
        {{"report", "times", "a.zyn"}},
        {{"report", "weekly", "a.zyn", "-o", "w.pdf"}, "weekly"},
        {{"report", "times", "a.zyn", "-o", "t.doc"}, ".xlt"},
        {{"audio", "play", "a.wav"}},
        {{"audio", "info"}},
        {{"audio", "info", "a.wav", "--columns", "5"}, "--columns"},
        {{"audio", "peaks", "a.wav"}, "--columns"},
        {{"audio", "peaks", "a.wav", "--columns", "0"}, "--columns"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.arguments.join(' ').toStdString());
        const Result result = run(c.arguments);
        EXPECT_EQ(result.status, ZynCtl::UsageError);
        EXPECT_TRUE(result.err.startsWith("zynctl: "));
        EXPECT_TRUE(result.err.contains("usage:"));
        EXPECT_TRUE(result.err.contains(c.mentions)) << result.err.toStdString();
    }
    EXPECT_FALSE(QFile::exists(path("s.zyn")));
}

// Asked before any command, --help and --version answer on stdout and
// succeed, also after --home.
TEST_F(ZynCtlRun, HelpAndVersionAnswerOnStdoutAndSucceed) {
    const QByteArray version = QStringLiteral("zynctl %1.%2.%3\n")
                                   .arg(Version::Major)
                                   .arg(Version::Minor)
                                   .arg(Version::Revision)
                                   .toUtf8();
    const struct {
        QStringList arguments;
        QByteArray output;
    } cases[] = {
        {{"--help"}, "usage: zynctl [--home DIR] COMMAND ...\n"},
        {{"--version"}, version},
        {{"--home", path("h"), "--version"}, version},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.arguments.join(' ').toStdString());
        const Result result = run(c.arguments);
        EXPECT_EQ(result.status, ZynCtl::Success);
        EXPECT_TRUE(result.out.startsWith(c.output)) << result.out.toStdString();
        EXPECT_EQ(result.err, "");
    }
}

TEST_F(ZynCtlRun, FailuresExitWithOneAndOneLine) {
    writeFile("garbage.zyn", QByteArray("\x00\x01\x02garbage\xff", 11));
    writeFile("bad.json", "{\"cues\": [{\"row\": 4000}]}");
    writeFile("truncated.zyn", "[ZYN600x2 PROJECTFILE]\r\n#FALSE#,#FALSE#,1\r\n[CUES]\r\n");
    const struct {
        QStringList arguments;
        const char* mentions;
    } cases[] = {
        {{"dump", path("missing.zyn")}, "missing.zyn"},
        {{"dump", path("garbage.zyn")}, "garbage.zyn"},
        {{"dump", path("truncated.zyn")}, "line 4"},
        {{"build", path("bad.json"), "-o", path("x.zyn")}, "row"},
        {{"build", path("missing.json"), "-o", path("x.zyn")}, "missing.json"},
        {{"new", "-o", path("no/such/folder/x.zyn")}, "x.zyn"},
        {{"lang", "dump", path("missing.lan")}, "missing.lan"},
        {{"sort", path("missing.zyn")}, "missing.zyn"},
        {{"check", path("missing.zyn")}, "missing.zyn"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.arguments.join(' ').toStdString());
        const Result result = run(c.arguments);
        EXPECT_EQ(result.status, ZynCtl::Failure);
        EXPECT_EQ(result.err.count('\n'), 1);
        EXPECT_TRUE(result.err.contains(c.mentions)) << result.err.toStdString();
        EXPECT_EQ(result.out, "");
    }
    EXPECT_FALSE(QFile::exists(path("x.zyn")));
    EXPECT_FALSE(QFile::exists(path("missing.zyn")));
}

TEST_F(ZynCtlRun, AHomeWithoutLanguagesSpeaksTheBundledOnesAndStaysUntouched) {
    writeFile("garbage.zyn", QByteArray("\x00\x01\x02garbage\xff", 11));
    const QStringList dump = {"dump", path("garbage.zyn")};
    const Result portable = run(dump);
    ASSERT_TRUE(portable.err.contains("project")) << portable.err.toStdString();

    // An installed copy: the languages lie in the share folder beside bin/.
    const QString installedBin = path("prefix/bin");
    const QString shared = path("prefix/share/zynk5/Language");
    ASSERT_TRUE(QDir().mkpath(installedBin) && QDir().mkpath(shared));
    const QDir built(test::builtLanguageDir());
    for (const QString& name : built.entryList({"*.lan"}, QDir::Files))
        ASSERT_TRUE(QFile::copy(built.filePath(name), QDir(shared).filePath(name)));

    const struct {
        const char* home;
        QStringList arguments;
        QString executableDir;
    } cases[] = {
        {"fresh", QStringList{"--home", path("fresh")} + dump, test::builtExecutableDir()},
        {"user", dump, installedBin},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.home);
        const Result result = test::runZynCtl(c.arguments, path(c.home), c.executableDir);
        EXPECT_EQ(result.status, ZynCtl::Failure);
        EXPECT_EQ(result.err, portable.err);
        EXPECT_FALSE(QFileInfo::exists(path(c.home)));
    }
}

TEST_F(ZynCtlRun, LanguageSourcesCompileAndDumpBack) {
    writeFile("Test.txt", "# Test\n1 = One\n3 = Drei, \"drei\"\n");
    ASSERT_EQ(run({"lang", "compile", path("Test.txt"), "-o", path("Test.lan")}).status,
              ZynCtl::Success);
    const Result dumped = run({"lang", "dump", path("Test.lan")});
    EXPECT_EQ(dumped.status, ZynCtl::Success);
    EXPECT_TRUE(dumped.out.contains("1 = One\n3 = Drei, \"drei\"\n"));

    writeFile("Broken.txt", "1 = One\n1 = again\n");
    const Result broken = run({"lang", "compile", path("Broken.txt"), "-o", path("Broken.lan")});
    EXPECT_EQ(broken.status, ZynCtl::Failure);
    EXPECT_TRUE(broken.err.contains("line 2"));
    EXPECT_FALSE(QFile::exists(path("Broken.lan")));
}
