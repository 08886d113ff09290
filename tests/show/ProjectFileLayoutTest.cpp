#include "ProjectFileTestSupport.h"
#include "fakes/QtPrinters.h"
#include "fakes/TestPaths.h"

#include <QFile>
#include <gtest/gtest.h>

using namespace zyn;
using namespace zyn::test;

namespace {

QString decodedLine(const QByteArrayList& lines, int lineNumber) {
    QByteArray field = lines[lineNumber - 1];
    return ScrambledField::decode(field.mid(1, field.size() - 2), buildProjectCodecKey());
}

} // namespace

TEST(ProjectFileLayout, NewShowIs9611CrLfLinesInTheNewestLayout) {
    const QByteArray bytes = serialized(*newShow());
    EXPECT_EQ(bytes.count("\r\n"), 9611);
    EXPECT_EQ(bytes.count('\n'), 9611);
    EXPECT_TRUE(bytes.endsWith("\r\n"));

    const QByteArrayList lines = linesOf(bytes);
    ASSERT_EQ(lines.size(), 9611);
    const struct {
        int line;
        QByteArray text;
    } plainLines[] = {{1, "[ZYN600x2 PROJECTFILE]"},
                      {2, "#FALSE#,#FALSE#,1"},
                      {3, "[CUES]"},
                      {6405, ""},
                      {6406, "[IC]"},
                      {9609, ""},
                      {9610, "[STEP]"}};
    for (const auto& expected : plainLines) {
        SCOPED_TRACE(expected.line);
        EXPECT_EQ(lines[expected.line - 1], expected.text);
    }
    EXPECT_EQ(decodedLine(lines, 4), "3200");
    EXPECT_EQ(decodedLine(lines, 6407), "200");
    EXPECT_EQ(decodedLine(lines, 6408), "16");
    EXPECT_EQ(decodedLine(lines, 9611), "0");
}

TEST(ProjectFileLayout, CellsAreWrittenRowByRowAndModuleByModule) {
    auto show = newShow();
    show->cues.row(2).TimeText = QStringLiteral("00:00:05:00");
    show->cues.row(2).Description = QStringLiteral("Comet");
    show->ics.cell(1, 2) = QStringLiteral("2-3");
    show->ics.cell(2, 1) = QStringLiteral("K 4");
    const QByteArrayList lines = linesOf(serialized(*show));
    // Row r's time is on line 3 + 2r, its description on line 4 + 2r.
    EXPECT_EQ(decodedLine(lines, 7), "00:00:05:00");
    EXPECT_EQ(decodedLine(lines, 8), "Comet");
    // Cell (s, c) is on line 6408 + 16 (s - 1) + c.
    EXPECT_EQ(decodedLine(lines, 6410), "2-3");
    EXPECT_EQ(decodedLine(lines, 6425), "K 4");
}

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
