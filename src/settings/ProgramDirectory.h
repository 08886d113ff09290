#pragma once

#include <QStringList>

namespace zyn {

// The folder that holds the program's files: Language/, Projects/,
// "ZYN600.cfg", "ZYNFiles.ini" and "ZYNK5.ini".
//
// It is the folder of the executable when that holds Language/ (a portable
// copy, and the build tree); otherwise the user's data folder, which is given
// the bundled language files. "--home DIR" names it outright.
class ProgramDirectory {
public:
    explicit ProgramDirectory(QString path) : m_path(std::move(path)) {}

    static ProgramDirectory resolve(const QString& homeOverride, const QString& executableDir,
                                    const QString& userDataDir);

    // The bundled language files beside the executable or in its share folder;
    // "" when there are none.
    static QString bundledLanguageDirectory(const QString& executableDir);

    // Creates the folder with Language/ and Projects/ and copies in the bundled
    // language files it lacks or holds in an older form. False with a reason
    // when the folder cannot be made.
    bool prepare(const QString& bundledLanguageDir, QString* error) const;

    // Where a program that leaves this folder as it is finds its languages:
    // the bundled files first, since prepare() would put them in place of the
    // folder's copies, then the folder's own (languages a user added).
    QStringList languageSearchPath(const QString& bundledLanguageDir) const;

    const QString& path() const { return m_path; }
    QString languageDirectory() const;
    QString projectsDirectory() const;
    QString configPath() const;
    QString recentFilesPath() const;
    QString checkSettingsPath() const;

private:
    QString m_path;
};

} // namespace zyn
