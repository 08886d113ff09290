#include "document/ShowDocument.h"
#include "platform/Prompter.h"
#include "platform/widgets/MessageBoxPrompter.h"
#include "platform/widgets/QtFileDialogs.h"
#include "settings/ProgramDirectory.h"
#include "settings/TextId.h"
#include "shell/ApplicationIdentity.h"
#include "shell/ApplicationStart.h"
#include "shell/MainWindow.h"
#include "shell/StartOptions.h"
#include "ui/WindowTitle.h"

#include <QApplication>
#include <QMessageBox>
#include <QStandardPaths>
#include <cstdio>

namespace {

QStringList commandLine(int argc, char* argv[]) {
    QStringList arguments;
    for (int at = 1; at < argc; ++at)
        arguments.append(QString::fromLocal8Bit(argv[at]));
    return arguments;
}

zyn::ProgramDirectory programDirectory(const zyn::StartOptions& options) {
    return zyn::ProgramDirectory::resolve(
        options.home(), QCoreApplication::applicationDirPath(),
        QStandardPaths::writableLocation(QStandardPaths::AppDataLocation));
}

// Answers --version and --help with no GUI application, which would need a
// display before it could print a line.
int answerOnTheTerminal(int argc, char* argv[], const zyn::StartOptions& options) {
    const QCoreApplication app(argc, argv);
    zyn::identifyApplication();
    const QString text =
        options.request() == zyn::StartOptions::Request::Version
            ? zyn::StartOptions::versionText()
            : zyn::StartOptions::helpText(programDirectory(options),
                                          zyn::ProgramDirectory::bundledLanguageDirectory(
                                              QCoreApplication::applicationDirPath()));
    const QByteArray bytes = text.toUtf8();
    return std::fwrite(bytes.constData(), 1, size_t(bytes.size()), stdout) == size_t(bytes.size())
               ? 0
               : 1;
}

} // namespace

int main(int argc, char* argv[]) {
    const zyn::StartOptions options = zyn::StartOptions::parse(commandLine(argc, argv));
    if (options.request() != zyn::StartOptions::Request::Start)
        return answerOnTheTerminal(argc, argv, options);

    QApplication app(argc, argv);
    zyn::identifyApplication();

    const QString executableDir = QApplication::applicationDirPath();
    const zyn::ProgramDirectory home = programDirectory(options);
    QString error;
    if (!home.prepare(zyn::ProgramDirectory::bundledLanguageDirectory(executableDir), &error)) {
        QMessageBox::critical(nullptr, zyn::WindowTitle::base(), error);
        return 1;
    }

    zyn::MessageBoxPrompter prompter;
    zyn::QtFileDialogs fileDialogs;
    zyn::ShowDocument document(home, prompter, fileDialogs);
    if (!document.loadLanguage()) {
        if (document.texts().count() == 0) {
            QMessageBox::critical(
                nullptr, zyn::WindowTitle::base(),
                QStringLiteral("No language file was found in %1.").arg(home.languageDirectory()));
            return 1;
        }
        prompter.warn(document.text(zyn::TextId::LanguageMissing),
                      document.text(zyn::TextId::WarningTitle));
    }

    const std::unique_ptr<zyn::MainWindow> window = zyn::startApplication(document);
    if (!window)
        return 0;
    prompter.setParent(window.get());
    fileDialogs.setParent(window.get());
    return QApplication::exec();
}
