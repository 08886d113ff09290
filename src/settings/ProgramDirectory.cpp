#include "ProgramDirectory.h"

#include "CheckSettings.h"
#include "LanguageFile.h"
#include "show/AtomicFile.h"
#include "show/ConfigFile.h"
#include "show/RecentFiles.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <optional>

namespace zyn {

namespace {

constexpr QLatin1StringView LanguageFolder{"Language"};
constexpr QLatin1StringView ProjectsFolder{"Projects"};
constexpr QLatin1StringView SharedLanguageFolder{"../share/zynk5/Language"};

std::optional<QByteArray> contentOf(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return std::nullopt;
    QByteArray content = file.readAll();
    if (file.error() != QFileDevice::NoError)
        return std::nullopt;
    return content;
}

} // namespace

ProgramDirectory ProgramDirectory::resolve(const QString& homeOverride,
                                           const QString& executableDir,
                                           const QString& userDataDir) {
    if (!homeOverride.isEmpty())
        return ProgramDirectory(QDir(homeOverride).absolutePath());
    if (QFileInfo(QDir(executableDir).filePath(LanguageFolder)).isDir())
        return ProgramDirectory(QDir(executableDir).absolutePath());
    return ProgramDirectory(QDir(userDataDir).absolutePath());
}

QString ProgramDirectory::bundledLanguageDirectory(const QString& executableDir) {
    for (const QLatin1StringView relative : {LanguageFolder, SharedLanguageFolder}) {
        const QString candidate = QDir(executableDir).filePath(relative);
        if (QFileInfo(candidate).isDir())
            return QDir(candidate).absolutePath();
    }
    return {};
}

bool ProgramDirectory::prepare(const QString& bundledLanguageDir, QString* error) const {
    const QDir home(m_path);
    if (!home.mkpath(LanguageFolder) || !home.mkpath(ProjectsFolder)) {
        *error = QStringLiteral("cannot create the program folder %1")
                     .arg(QDir::toNativeSeparators(m_path));
        return false;
    }
    const QDir target(languageDirectory());
    const QDir source(bundledLanguageDir);
    if (bundledLanguageDir.isEmpty() || source.absolutePath() == target.absolutePath())
        return true;
    // The bundled languages are the program's own: a copy that differs is
    // from an older version and is replaced; other languages are left alone.
    // A copy that cannot be replaced (a full disk) stays as it was, so the
    // program still starts in that language.
    const QStringList names =
        source.entryList({QStringLiteral("*") + LanguageFile::Extension}, QDir::Files);
    for (const QString& name : names) {
        const std::optional<QByteArray> bundled = contentOf(source.filePath(name));
        if (!bundled || contentOf(target.filePath(name)) == bundled)
            continue;
        AtomicFile::save(target.filePath(name), *bundled);
    }
    return true;
}

QStringList ProgramDirectory::languageSearchPath(const QString& bundledLanguageDir) const {
    QStringList directories;
    if (!bundledLanguageDir.isEmpty())
        directories.append(bundledLanguageDir);
    directories.append(languageDirectory());
    return directories;
}

QString ProgramDirectory::languageDirectory() const {
    return QDir(m_path).filePath(LanguageFolder);
}

QString ProgramDirectory::projectsDirectory() const {
    return QDir(m_path).filePath(ProjectsFolder);
}

QString ProgramDirectory::configPath() const {
    return QDir(m_path).filePath(ConfigFile::FileName);
}

QString ProgramDirectory::recentFilesPath() const {
    return QDir(m_path).filePath(RecentFiles::FileName);
}

QString ProgramDirectory::checkSettingsPath() const {
    return QDir(m_path).filePath(QLatin1String(CheckSettings::FileName));
}

} // namespace zyn
