#pragma once

#include "CommandId.h"
#include "editor/EditResult.h"
#include "settings/LanguageTexts.h"
#include "settings/ProgramDirectory.h"
#include "show/FileError.h"
#include "show/RecoveryFile.h"
#include "show/Settings.h"
#include "show/Show.h"
#include "soundtrack/Soundtrack.h"
#include "soundtrack/SoundtrackAudio.h"

#include <QByteArray>
#include <QObject>
#include <array>
#include <memory>

class QUndoStack;

namespace zyn {

class FileDialogs;
class Prompter;
class ShowSnapshot;

// The show as every window sees it: the tables, the settings, the language,
// the undo history, the project file and the state of every command, with a
// signal for each kind of change. Windows change the show through it and
// follow it through its signals; none steers another. Created once by main();
// nothing here is global.
class ShowDocument : public QObject {
    Q_OBJECT

public:
    struct CommandState {
        bool enabled = true;
        bool checkable = false;
        bool checked = false;
    };

    ShowDocument(ProgramDirectory home, Prompter& prompter, FileDialogs& fileDialogs);
    ~ShowDocument() override;

    ProgramDirectory home;
    QByteArray codecKey;
    // The tables: operations change them in place and announce what they
    // changed through recordChange().
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

    const LanguageTexts& texts() const { return m_texts; }
    QString text(int number) const { return m_texts.text(number); }
    const Settings& settings() const { return m_settings; }
    bool reportOpen() const { return ReportKind == 200 || ReportKind == 201; }

    // Reads the language name from the configuration and loads its texts;
    // false when the language had to fall back to English.
    bool loadLanguage();
    // Another language: the stops in the show take its labels and the undo
    // history starts afresh (older steps would bring back the old labels).
    // False when the language is missing and English stands in.
    bool changeLanguage(const QString& name);

    // Reads the editor's layout and questions from the configuration.
    void readEditorSettings();
    void changeSettings(const Settings& settings);
    // Writes the settings file; warns when it cannot be written.
    void writeSettings();

    // A new empty show of the given mode (1 time-coded, 2 manual).
    void newShow(int mode);
    // The show was replaced in place by one that has no file yet (an import
    // or a restored recovery copy, whose file `recoveredFrom` names).
    void showWithoutFile(int mode, const QString& recoveredFrom = QString());
    // Loads a project file; a failure is reported and what the damaged file
    // gave back stays, without the file's name. True when it loaded.
    bool open(const QString& path);
    // Writes the show to its own file, or to `path`, which becomes its file
    // only when the write succeeded. Failures are reported; true on success.
    bool save();
    bool saveAs(const QString& path);
    // The show of the recovery copy, changed and without a file. A copy that
    // cannot be read is reported and kept aside.
    void restoreRecoveryCopy();
    // Shows the error box of the file functions.
    void ShowErrorMessage(const FileError& error);
    // Brings the recovery copy in step with the show. A copy that cannot be
    // written is reported once, and again only after one was written.
    void keepRecoveryCopy();

    // The music of the show (kept beside the project file) and, once
    // decoded, its samples, waveform and beats. Open, New, an import and a
    // restored copy replace it (the last two by none); setting another one
    // marks the show changed.
    const Soundtrack& soundtrack() const { return m_soundtrack; }
    void setSoundtrack(const Soundtrack& soundtrack);
    const std::shared_ptr<const SoundtrackAudio>& audio() const { return m_audio; }
    // Null while the soundtrack is not (yet) decoded.
    void setAudio(std::shared_ptr<const SoundtrackAudio> audio);

    QUndoStack& history() const { return *m_history; }
    // An operation changed the show: a change becomes one undo step, and
    // every window hears what it changed.
    void recordChange(const ShowSnapshot& before, const EditResult& result);
    // A change made in one go from outside the editor (an import replacing
    // the show): the show as it was is kept from begin to end, then recorded
    // as one undo step.
    void beginOutsideChange();
    void endOutsideChange();

    const CommandState& commandState(CommandId id) const { return m_commands[size_t(id)]; }
    void setCommandEnabled(CommandId id, bool enabled);
    // A command shown with a check mark (the report on show), or plain again.
    void setCommandChecked(CommandId id, bool checkable, bool checked);

    // PendingCommand: the editor's command timer runs the action code.
    void queueCommand(const QString& actionCode);
    void showStatus(int panel, const QString& text);

signals:
    // New, loaded, imported or restored: every view starts afresh.
    void showReplaced();
    // The cells an operation, an undo or a redo changed.
    void cellsChanged(const zyn::EditResult& change);
    void languageChanged();
    void settingsChanged();
    void commandStateChanged(zyn::CommandId id);
    // The name the window title shows; empty for none.
    void titleChanged(const QString& name);
    void statusTextChanged(int panel, const QString& text);
    void commandQueued();
    void soundtrackChanged();
    void audioChanged();

private:
    bool loadTexts(const QString& name);
    void setSaveEnabled(bool enabled);
    void clearHistory();
    void replaceSoundtrack(const Soundtrack& soundtrack);
    // A soundtrack file that could not be read, or audio that is gone.
    void warnAboutSoundtrack(const FileError& companionError);

    Settings m_settings;
    LanguageTexts m_texts;
    QUndoStack* m_history;
    std::unique_ptr<ShowSnapshot> m_outsideBefore;
    std::array<CommandState, size_t(CommandId::Count)> m_commands;
    bool m_recoveryFailureShown = false;
    Soundtrack m_soundtrack;
    std::shared_ptr<const SoundtrackAudio> m_audio;
};

} // namespace zyn
