#include "ProjectFileTestSupport.h"
#include "fakes/QtPrinters.h"
#include "fakes/TestPaths.h"

#include <QFile>
#include <gtest/gtest.h>

using namespace zyn;
using namespace zyn::test;

TEST(ProjectFileLayout, StateLineKeepsTheValuesAtSaveTime) {
    auto show = newShow();
    show->state.ShowChanged = true;
    show->state.SortPending = true;
    show->state.ShowMode = ManualShow;
    EXPECT_EQ(linesOf(serialized(*show))[1], "#TRUE#,#TRUE#,2");
}

// The bytes of a new show are pinned: a change of the key or the layout would
// make every project file users have stopped reading.
TEST(ProjectFileLayout, NewShowMatchesTheGoldenFile) {
    QFile golden(dataDir(QStringLiteral("show/new-show/expected.zyn")));
    ASSERT_TRUE(golden.open(QIODevice::ReadOnly));
    EXPECT_TRUE(serialized(*newShow()) == golden.readAll());
}

TEST(ProjectFileLayout, GoldenSampleLoadsWithItsCells) {
    QFile golden(dataDir(QStringLiteral("show/sample/project.zyn")));
    ASSERT_TRUE(golden.open(QIODevice::ReadOnly));
    auto show = newShow();
    ASSERT_TRUE(readInto(*show, golden.readAll(), StopLabels::fileForm()).ok());
    EXPECT_EQ(show->cues.row(1).TimeText, "00:00:05:00");
    EXPECT_EQ(show->cues.row(1).Description, "Comet, \"gold\"; ÿ end");
    EXPECT_EQ(show->cues.row(2).TimeText, "TS #1");
    EXPECT_EQ(show->cues.row(3).TimeText, "MAN");
    EXPECT_EQ(show->ics.cell(1, 1), "1-3");
    EXPECT_EQ(show->ics.cell(200, 16), "K 10-2");
}
