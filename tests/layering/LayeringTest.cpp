// The source tree's floors, its Qt Core-only core and its file length, checked
// against the real tree; the first test proves the checker finds offences at all.
#include "LayeringCheck.h"
#include "QtModules.h"
#include "fakes/TestPaths.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <gtest/gtest.h>
#include <ostream>
#include <utility>

namespace zyn::test {

namespace {

constexpr int MaxLines = 600;

QtModules installedQt() {
    return QtModules(QStringLiteral(ZYN_QT_CORE_INCLUDE_DIRS).split(u'|', Qt::SkipEmptyParts));
}

std::string listed(const QStringList& offences) {
    return (u'\n' + offences.join(u'\n')).toStdString();
}

bool writeFile(const QDir& root, const QString& path, const QByteArray& content) {
    QFile file(root.filePath(path));
    return root.mkpath(QFileInfo(path).path()) && file.open(QIODevice::WriteOnly) &&
           file.write(content) == content.size();
}

const Floor allFloors[] = {Floor::Core,    Floor::Platform, Floor::Document, Floor::Ui,
                           Floor::Windows, Floor::Shell,    Floor::App,      Floor::Cli};

} // namespace

TEST(LayeringCheckTest, ReportsEveryOffenceOfASmallTreeAndNothingElse) {
    QTemporaryDir dir;
    const QDir root(dir.path());
    const std::pair<QString, QByteArray> files[] = {
        {"shell/MainWindow.h", ""},
        {"editor/ui/Grid.h", ""},
        {"platform/widgets/Busy.h", ""},
        {"platform/audio/Player.h", ""},
        {"platform/Port.h", "#include \"audio/Player.h\"\n"},
        {"platform/Emulated.h", "#include \"Port.h\"\n"},
        {"platform/Emulated.cpp", "#include \"widgets/Busy.h\"\n"},
        {"timeline/ui/Track.cpp",
         "#include \"editor/ui/Grid.h\"\n#include \"shell/MainWindow.h\"\n"},
        {"soundtrack/Cue.cpp", "#include <QString>\n  #  include <QWidget>\n"},
        {"cli/Main.cpp", "#include \"platform/widgets/Busy.h\"\n"},
        {"show/Full.cpp", QByteArray(MaxLines, '\n')},
        {"show/Long.cpp", QByteArray(MaxLines + 1, '\n')},
    };
    for (const auto& [path, content] : files)
        ASSERT_TRUE(writeFile(root, path, content)) << path.toStdString();
    const LayeringCheck check(root.path());

    QStringList floorOffences;
    for (Floor floor : allFloors)
        floorOffences += check.floorOffences(floor);
    floorOffences.sort();
    EXPECT_EQ(floorOffences,
              QStringList({"src/cli/Main.cpp:1 includes platform/widgets/Busy.h: cli may not "
                           "include platform/widgets",
                           "src/platform/Port.h:1 includes platform/audio/Player.h: core may not "
                           "reach up to platform",
                           "src/timeline/ui/Track.cpp:2 includes shell/MainWindow.h: windows may "
                           "not reach up to shell"}))
        << listed(floorOffences);
    EXPECT_EQ(check.qtModuleOffences(installedQt()),
              QStringList({"src/soundtrack/Cue.cpp:2 includes <QWidget> from QtWidgets: core "
                           "links Qt Core only"}));
    EXPECT_EQ(check.longFiles(MaxLines),
              QStringList({"src/show/Long.cpp has 601 lines, more than 600"}));
}

void PrintTo(Floor floor, std::ostream* out) {
    *out << floorName(floor).toStdString();
}

class FloorRuleTest : public ::testing::TestWithParam<Floor> {};

TEST_P(FloorRuleTest, IncludesStayOnTheirFloorOrBelow) {
    const LayeringCheck check(sourceDir());
    ASSERT_FALSE(check.filesOn(GetParam()).isEmpty()) << "no files on this floor";
    const QStringList offences = check.floorOffences(GetParam());
    EXPECT_TRUE(offences.isEmpty()) << listed(offences);
}

INSTANTIATE_TEST_SUITE_P(SourceTree, FloorRuleTest, ::testing::ValuesIn(allFloors),
                         [](const auto& row) { return floorName(row.param).toStdString(); });

TEST(LayeringTest, CoreIncludesNoQtModuleButQtCore) {
    const QtModules qt = installedQt();
    ASSERT_TRUE(qt.found()) << "no QtCore among " ZYN_QT_CORE_INCLUDE_DIRS;
    const QStringList offences = LayeringCheck(sourceDir()).qtModuleOffences(qt);
    EXPECT_TRUE(offences.isEmpty()) << listed(offences);
}

TEST(LayeringTest, NoSourceFileExceedsTheLineLimit) {
    const QStringList offences = LayeringCheck(sourceDir()).longFiles(MaxLines);
    EXPECT_TRUE(offences.isEmpty()) << listed(offences);
}

} // namespace zyn::test
