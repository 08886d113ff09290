#pragma once

#include "settings/LanguageTexts.h"
#include "settings/ProgramDirectory.h"
#include "show/FileError.h"
#include "soundtrack/Soundtrack.h"

#include <QStringList>
#include <optional>

class QIODevice;

namespace zyn {

class Show;

// What every zynctl command works with: its output streams, the program
// directory and the ways of ending.
class CliContext {
public:
    enum Status { Success = 0, Failure = 1, UsageError = 2 };

    // `bundledLanguageDir` holds the languages shipped with the program ("" when
    // none are found); the program folder is read, never prepared.
    CliContext(QIODevice& out, QIODevice& err, ProgramDirectory home, QString bundledLanguageDir,
               QString usageText);

    QIODevice& out() { return m_out; }
    // For progress lines; a failure goes through fail().
    QIODevice& err() { return m_err; }
    const ProgramDirectory& home() const { return m_home; }

    // One line on the error stream, status Failure.
    int fail(const QString& message);
    // The reason and the usage text on the error stream, status UsageError.
    int usage(const QString& message);

    // The texts of the configured language (English when it is missing).
    LanguageTexts languageTexts() const;
    QString describe(const FileError& error) const;

    std::optional<QByteArray> readInput(const QString& path, QString* error) const;

    // Loads a project file that must exist; false after reporting a failure.
    // A command that keeps or shows the soundtrack asks for it; a soundtrack
    // file that cannot be read is then reported as a warning and left out.
    bool loadProject(const QString& path, const StopLabels& labels, Show& show, int* status,
                     Soundtrack* soundtrack = nullptr);
    // Saves the show and its soundtrack (none removes the old one beside the
    // project); false after reporting a failure.
    bool saveProject(const QString& path, const StopLabels& labels, Show& show,
                     const Soundtrack& soundtrack, int* status);

private:
    QIODevice& m_out;
    QIODevice& m_err;
    ProgramDirectory m_home;
    QString m_bundledLanguageDir;
    QString m_usageText;
};

// The times of a show as the files keep them ("MAN", "TS #2"): commands that
// read and write files in that form never depend on a language.
StopLabels fileFormLabels();

} // namespace zyn
