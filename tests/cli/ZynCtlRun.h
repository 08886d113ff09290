#pragma once

#include "cli/ZynCtl.h"
#include "fakes/TestPaths.h"

#include <QBuffer>
#include <QDir>

namespace zyn::test {

// What one run of zynctl left behind.
struct CliResult {
    int status;
    QByteArray out;
    QByteArray err;
};

inline QString builtExecutableDir() {
    return QDir(builtLanguageDir()).filePath(QStringLiteral(".."));
}

// Runs zynctl in-process. The build tree's bin/ is a portable program
// directory with the languages; `userDataDir` stands in for the user's data
// folder, `executableDir` for the folder the program runs from.
inline CliResult runZynCtl(const QStringList& arguments, const QString& userDataDir,
                           const QString& executableDir = builtExecutableDir()) {
    QBuffer out;
    QBuffer err;
    out.open(QIODevice::WriteOnly);
    err.open(QIODevice::WriteOnly);
    ZynCtl tool(out, err, executableDir, userDataDir);
    const int status = tool.run(arguments);
    return {status, out.data(), err.data()};
}

} // namespace zyn::test
