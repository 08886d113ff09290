#pragma once

#include "settings/LanguageTexts.h"
#include "settings/ProgramDirectory.h"
#include "show/FileError.h"
#include "show/RecoveryFile.h"
#include "show/Settings.h"
#include "show/Show.h"

#include <QByteArray>
#include <QObject>

namespace zyn {

class FileDialogs;
class Prompter;

// Everything one run of the application shares: the show, the settings, the
// language and the seams to the world outside. Created once by main() and
// handed to every window; nothing here is global.
class ShowDocument : public QObject {
    Q_OBJECT

public:
    ShowDocument(ProgramDirectory home, Prompter& prompter, FileDialogs& fileDialogs);

    ProgramDirectory home;
    QByteArray codecKey;
    Settings settings;
    LanguageTexts texts;
    Show show;
    // The copy of a changed show that survives a crash; claimed for this run
    // unless another program keeps the copy of the same folder.
    RecoveryFile recovery;
    // The file a restored recovery copy belonged to: Save As proposes it
    // while the show has no file of its own.
    QString recoveredFrom;

    // 200 while the channel-list report is open, 201 for the time list.
    int ReportKind = 0;
    bool SpreadsheetAvailable = false;
    // True while the start dialog is shown for the New command.
    bool NewProjectRequest = false;

    Prompter& prompter;
    FileDialogs& fileDialogs;

    QString text(int number) const { return texts.text(number); }
    bool reportOpen() const { return ReportKind == 200 || ReportKind == 201; }

    // Reads the language name from the configuration and loads its texts;
    // false when the language had to fall back to English.
    bool loadLanguage();
    // Loads the texts of a language; false when it is missing.
    bool loadLanguage(const QString& name);

    // Writes the settings file; warns when it cannot be written.
    void writeSettings();
    // Writes the project to ProjectPath and remembers it as the last project;
    // reports a failure through the prompter. True on success.
    bool saveProject();
    // Reads ProjectPath into the show; reports a failure. True when the show
    // now holds the file (or the file was missing, which only empties the path).
    bool loadProject();
    // Shows the error box of the file functions.
    void ShowErrorMessage(const FileError& error);
    // Brings the recovery copy in step with the show. A copy that cannot be
    // written is reported once, and again only after one was written.
    void keepRecoveryCopy();

private:
    bool m_recoveryFailureShown = false;
};

} // namespace zyn
