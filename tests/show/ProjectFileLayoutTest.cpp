#include "ProjectFileTestSupport.h"
#include "fakes/QtPrinters.h"
#include "fakes/TestFiles.h"

#include <gtest/gtest.h>

using namespace zyn;
using namespace zyn::test;

TEST(ProjectFileLayout, StateLineKeepsTheValuesAtSaveTime) {
    auto show = newShow();
    show->state.ShowChanged = true;
    show->state.SortPending = true;
    show->state.ShowMode = ManualShow;
    EXPECT_EQ(serialized(*show).split('\n').value(1), "#TRUE#,#TRUE#,2\r");
}

// The bytes of a new show are pinned: a change of the key or the layout would
// make every project file users have stopped reading.
TEST(ProjectFileLayout, NewShowMatchesTheGoldenFile) {
    EXPECT_TRUE(serialized(*newShow()) == fixture(QStringLiteral("show/new-show/expected.zyn")));
}

TEST(ProjectFileLayout, GoldenSampleLoadsWithItsCells) {
    auto show = newShow();
    ASSERT_TRUE(
        readInto(*show, fixture(QStringLiteral("show/sample/project.zyn")), StopLabels::fileForm())
            .ok());
    EXPECT_EQ(show->cues.row(1).TimeText, "00:00:05:00");
    EXPECT_EQ(show->cues.row(1).Description, "Comet, \"gold\"; ÿ end");
    EXPECT_EQ(show->cues.row(2).TimeText, "TS #1");
    EXPECT_EQ(show->cues.row(3).TimeText, "MAN");
    EXPECT_EQ(show->ics.cell(1, 1), "1-3");
    EXPECT_EQ(show->ics.cell(200, 16), "K 10-2");
}
