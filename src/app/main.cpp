#include "document/ShowDocument.h"
#include "platform/Prompter.h"
#include "platform/widgets/MessageBoxPrompter.h"
#include "platform/widgets/QtFileDialogs.h"
#include "settings/ProgramDirectory.h"
#include "settings/TextId.h"
#include "shell/ApplicationIdentity.h"
#include "shell/ApplicationStart.h"
#include "shell/MainWindow.h"
#include "ui/WindowTitle.h"

#include <QApplication>
#include <QMessageBox>
#include <QStandardPaths>

namespace {

QString homeOverride(const QStringList& arguments) {
    const qsizetype at = arguments.indexOf(QStringLiteral("--home"));
    return at >= 0 && at + 1 < arguments.size() ? arguments[at + 1] : QString();
}

} // namespace

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    zyn::identifyApplication();

    const QString executableDir = QApplication::applicationDirPath();
    const zyn::ProgramDirectory home = zyn::ProgramDirectory::resolve(
        homeOverride(QApplication::arguments()), executableDir,
        QStandardPaths::writableLocation(QStandardPaths::AppDataLocation));
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
