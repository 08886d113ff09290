#include "ZynCtlRun.h"
#include "cli/ZynCtl.h"
#include "editor/CueSort.h"
#include "editor/EditContext.h"
#include "fakes/QtPrinters.h"
#include "fakes/ScriptedPrompter.h"
#include "fakes/TestPaths.h"
#include "settings/LanguageLoader.h"
#include "show/Show.h"
#include "show/ShowJson.h"

#include <QDir>
#include <QFile>
#include <gtest/gtest.h>

namespace zyn {
namespace {

// An unsorted show with every kind of stop, an empty cue a channel still
// fires, a key assignment and levels.
const QByteArray UnsortedShow = R"({
  "mode": 1,
  "sortPending": true,
  "cues": [
    {"row": 1, "time": "00:00:09:00", "description": "late"},
    {"row": 2, "time": "TS", "description": "timed stop"},
    {"row": 3, "time": "00:00:02:00", "description": "early"},
    {"row": 5, "time": "", "description": "fired but empty"},
    {"row": 6, "time": "TR #9", "description": "reset"},
    {"row": 7, "time": "00:00:01.50", "description": "after reset"},
    {"row": 8, "time": "MAN", "description": "stop"},
    {"row": 9, "time": "00:00:00:10", "description": "first after reset"},
    {"row": 12, "time": "", "description": "dropped"}
  ],
  "channels": [
    {"slave": 1, "channel": 1, "cell": "1-3"},
    {"slave": 1, "channel": 2, "cell": "5"},
    {"slave": 1, "channel": 3, "cell": "K 4-2"},
    {"slave": 200, "channel": 16, "cell": "9"}
  ]
}
)";

class SortCommand : public test::ZynCtlFolderTest {
protected:
    int run(const QStringList& arguments) {
        const test::CliResult result = ZynCtlFolderTest::run(arguments);
        m_out = result.out;
        m_err = result.err;
        return result.status;
    }

    // The show JSON after the editor's own sort, with the language's labels.
    QByteArray sortedInTheEditor() {
        const LanguageTexts texts =
            LanguageLoader::load(test::builtLanguageDir(), QStringLiteral("English")).texts;
        const StopLabels labels = texts.stopLabels();
        Show show;
        EXPECT_EQ(ShowJson::read(UnsortedShow, labels, show), "");
        Settings settings;
        test::ScriptedPrompter prompter;
        EditContext context{show, texts, settings, prompter};
        CueSort(context).sort(false, 1);
        return ShowJson::write(show, labels);
    }

    QByteArray m_out, m_err;
};

TEST_F(SortCommand, GivesTheTablesOfTheEditorsSort) {
    writeFile("show.json", UnsortedShow);
    ASSERT_EQ(run({"build", path("show.json"), "-o", path("show.zyn")}), ZynCtl::Success);
    const QByteArray expected = sortedInTheEditor();
    EXPECT_TRUE(expected.contains("\"TR #1\"")) << expected.toStdString();

    ASSERT_EQ(run({"sort", path("show.zyn"), "-o", path("sorted.zyn")}), ZynCtl::Success)
        << m_err.toStdString();
    ASSERT_EQ(run({"dump", path("sorted.zyn")}), ZynCtl::Success);
    EXPECT_EQ(m_out, expected);
    ASSERT_EQ(run({"dump", path("show.zyn")}), ZynCtl::Success);
    EXPECT_TRUE(m_out.contains("\"sortPending\": true")) << "-o leaves the project alone";

    ASSERT_EQ(run({"sort", path("show.zyn")}), ZynCtl::Success);
    ASSERT_EQ(run({"dump", path("show.zyn")}), ZynCtl::Success);
    EXPECT_EQ(m_out, expected);
}

TEST_F(SortCommand, RefusesBadUseAndMissingProjects) {
    EXPECT_EQ(run({"sort"}), ZynCtl::UsageError);
    EXPECT_EQ(run({"sort", "a.zyn", "b.zyn"}), ZynCtl::UsageError);
    EXPECT_EQ(run({"sort", "a.zyn", "-o"}), ZynCtl::UsageError);
    EXPECT_EQ(run({"sort", path("missing.zyn")}), ZynCtl::Failure);
    EXPECT_TRUE(m_err.contains("missing.zyn"));
    EXPECT_FALSE(QFile::exists(path("missing.zyn")));
}

} // namespace
} // namespace zyn
