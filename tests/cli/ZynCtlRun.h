#pragma once

#include "cli/ZynCtl.h"
#include "fakes/TestFiles.h"

#include <QBuffer>
#include <QDir>
#include <QTemporaryDir>
#include <gtest/gtest.h>

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

// A test that runs zynctl with a temporary folder for its home and its files.
class ZynCtlFolderTest : public ::testing::Test {
protected:
    CliResult run(const QStringList& arguments) { return runZynCtl(arguments, m_dir.path()); }

    QString path(const QString& name) const { return m_dir.filePath(name); }

    QString writeFile(const QString& name, const QByteArray& content) const {
        EXPECT_TRUE(putFile(path(name), content)) << name.toStdString();
        return path(name);
    }

    // `name` is a file of the folder or an absolute path.
    QByteArray readFile(const QString& name) const {
        return fileContent(QDir(m_dir.path()).filePath(name));
    }

    QTemporaryDir m_dir;
};

} // namespace zyn::test
