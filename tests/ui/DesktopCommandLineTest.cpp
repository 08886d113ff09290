// The built desktop program asked for its version or its options, as a
// terminal or a package check asks it: no display, no platform chosen.
#include "Version.h"
#include "fakes/TestPaths.h"
#include "settings/LanguageLoader.h"
#include "shell/ShellTextId.h"

#include <QDir>
#include <QFileInfo>
#include <QProcess>
#include <QTemporaryDir>
#include <gtest/gtest.h>

using namespace zyn;

TEST(DesktopCommandLine, VersionAndHelpAnswerOnStdoutWithoutADisplay) {
    const QString program = QDir(test::builtLanguageDir()).filePath(QStringLiteral("../zynk5"));
    if (!QFileInfo(program).isExecutable())
        GTEST_SKIP() << "the program is not built: " << program.toStdString();
    QTemporaryDir dir;
    const QString home = dir.filePath(QStringLiteral("home"));
    const LanguageTexts english =
        LanguageLoader::load(test::builtLanguageDir(), QStringLiteral("English")).texts;
    const QString version = QStringLiteral("zynk5 %1.%2.%3\n")
                                .arg(Version::Major)
                                .arg(Version::Minor)
                                .arg(Version::Revision);
    const struct {
        QStringList arguments;
        QStringList shows;
    } cases[] = {
        {{"--version"}, {version}},
        {{"--home", home, "--help"},
         {english.text(ShellTextId::HelpUsage) + QStringLiteral(" zynk5 [--home DIR]"),
          QStringLiteral("--home DIR"), english.text(ShellTextId::HelpHomeOption),
          QStringLiteral("--version"), english.text(ShellTextId::HelpVersionOption),
          QStringLiteral("--help"), english.text(ShellTextId::HelpHelpOption)}},
    };
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    for (const char* name : {"QT_QPA_PLATFORM", "DISPLAY", "WAYLAND_DISPLAY"})
        environment.remove(QLatin1String(name));
    for (const auto& c : cases) {
        SCOPED_TRACE(c.arguments.join(' ').toStdString());
        QProcess process;
        process.setProcessEnvironment(environment);
        process.start(program, c.arguments);
        ASSERT_TRUE(process.waitForFinished(20000));
        const QString out = QString::fromUtf8(process.readAllStandardOutput());
        EXPECT_EQ(process.exitStatus(), QProcess::NormalExit);
        EXPECT_EQ(process.exitCode(), 0) << process.readAllStandardError().toStdString();
        for (const QString& shown : c.shows)
            EXPECT_TRUE(out.contains(shown)) << shown.toStdString() << " in " << out.toStdString();
    }
    // Asking for help reads the named folder's language, never prepares it.
    EXPECT_FALSE(QFileInfo::exists(home));
}
