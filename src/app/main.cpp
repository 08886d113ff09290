#include "Version.h"
#include "settings/LanguageLoader.h"
#include "settings/ProgramDirectory.h"
#include "show/ConfigFile.h"

#include <QApplication>
#include <QLabel>
#include <QMainWindow>
#include <QMessageBox>
#include <QStandardPaths>

namespace {

QString baseTitle() {
    return QStringLiteral("%1 (%2.%3.%4)")
        .arg(QLatin1String(zyn::Version::ProductName))
        .arg(zyn::Version::Major)
        .arg(zyn::Version::Minor)
        .arg(zyn::Version::Revision);
}

QString homeOverride(const QStringList& arguments) {
    const qsizetype at = arguments.indexOf(QStringLiteral("--home"));
    return at >= 0 && at + 1 < arguments.size() ? arguments[at + 1] : QString();
}

} // namespace

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("zynk5"));
    const QString executableDir = QApplication::applicationDirPath();
    const zyn::ProgramDirectory home = zyn::ProgramDirectory::resolve(
        homeOverride(QApplication::arguments()), executableDir,
        QStandardPaths::writableLocation(QStandardPaths::AppDataLocation));
    QString error;
    if (!home.prepare(zyn::ProgramDirectory::bundledLanguageDirectory(executableDir), &error)) {
        QMessageBox::critical(nullptr, baseTitle(), error);
        return 1;
    }
    const QString language = zyn::ConfigFile::readLanguageName(home.configPath());
    const zyn::LanguageLoader::Loaded texts =
        zyn::LanguageLoader::load(home.languageDirectory(), language);

    QMainWindow window;
    window.setObjectName(QStringLiteral("Grundfenster"));
    window.setWindowTitle(baseTitle());
    window.setCentralWidget(new QLabel(texts.texts.text(148), &window));
    window.resize(800, 600);
    window.show();
    return QApplication::exec();
}
