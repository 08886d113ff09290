#include "SourceFloor.h"

#include "SourceTree.h"

#include <QFileInfo>
#include <QHash>
#include <QStringList>

namespace zyn::test {

namespace {

// Platform code that lives beside the core folder it serves.
const QStringList platformFolders = {QStringLiteral("reports/render"),
                                     QStringLiteral("reports/xlsx")};

bool isUnder(const QString& path, const QString& folder) {
    return path.startsWith(folder + u'/');
}

Floor floorInPlatform(const SourceTree& tree, const QString& path) {
    if (path.count(u'/') > 1)
        return Floor::Platform;
    const QFileInfo file(path);
    const QString implementation =
        file.path() + u'/' + file.completeBaseName() + QStringLiteral(".cpp");
    return file.suffix() == u"h" && !tree.contains(implementation) ? Floor::Core : Floor::Platform;
}

} // namespace

Floor floorOf(const SourceTree& tree, const QString& path) {
    static const QHash<QString, Floor> named = {{QStringLiteral("document"), Floor::Document},
                                                {QStringLiteral("ui"), Floor::Ui},
                                                {QStringLiteral("shell"), Floor::Shell},
                                                {QStringLiteral("app"), Floor::App},
                                                {QStringLiteral("cli"), Floor::Cli}};
    const QStringList parts = path.split(u'/');
    if (parts.size() < 2)
        return Floor::Core;
    if (parts[0] == u"platform")
        return floorInPlatform(tree, path);
    if (named.contains(parts[0]))
        return named.value(parts[0]);
    if (parts.size() > 2 && parts[1] == u"ui")
        return Floor::Windows;
    for (const QString& folder : platformFolders)
        if (isUnder(path, folder))
            return Floor::Platform;
    return Floor::Core;
}

QString floorName(Floor floor) {
    static const QStringList names = {"core",    "platform", "document", "ui",
                                      "windows", "shell",    "app",      "cli"};
    return names[int(floor)];
}

QString reachProblem(Floor from, const QString& target, Floor to) {
    if (from == Floor::Cli) {
        if (to > Floor::Platform && to != Floor::Cli)
            return QStringLiteral("cli may not include %1").arg(floorName(to));
        if (isUnder(target, QStringLiteral("platform/widgets")))
            return QStringLiteral("cli may not include platform/widgets");
        return {};
    }
    if (to == Floor::Cli)
        return QStringLiteral("%1 may not include cli").arg(floorName(from));
    if (to > from)
        return QStringLiteral("%1 may not reach up to %2").arg(floorName(from), floorName(to));
    return {};
}

} // namespace zyn::test
