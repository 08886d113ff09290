#include "ShowDocument.h"

#include "CommandRegistry.h"
#include "DocumentTextId.h"
#include "RecoveryTextId.h"
#include "SnapshotStep.h"
#include "SoundtrackTextId.h"
#include "platform/Prompter.h"
#include "platform/widgets/BusyCursor.h"
#include "settings/FileErrorText.h"
#include "settings/LanguageLoader.h"
#include "settings/TextId.h"
#include "show/ConfigFile.h"
#include "show/ProjectFiles.h"
#include "show/ProjectKey.h"
#include "show/RecentFiles.h"

#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QUndoStack>

namespace zyn {

namespace {
constexpr int UndoLimit = 200;
}

ShowDocument::ShowDocument(ProgramDirectory home_, Prompter& prompter_, FileDialogs& fileDialogs_)
    : home(std::move(home_)), codecKey(buildProjectCodecKey()), recovery(home.path(), codecKey),
      prompter(prompter_), fileDialogs(fileDialogs_), m_history(new QUndoStack(this)) {
    recovery.claim();
    m_history->setUndoLimit(UndoLimit);
    for (const Command& command : CommandRegistry::all())
        m_commands[size_t(command.id)].enabled = command.enabled;
    connect(m_history, &QUndoStack::canUndoChanged, this,
            [this](bool can) { setCommandEnabled(CommandId::Undo, can); });
    connect(m_history, &QUndoStack::canRedoChanged, this,
            [this](bool can) { setCommandEnabled(CommandId::Redo, can); });
}

ShowDocument::~ShowDocument() = default;

bool ShowDocument::loadLanguage() {
    m_settings.languageName = ConfigFile::readLanguageName(home.configPath());
    return loadTexts(m_settings.languageName);
}

bool ShowDocument::loadTexts(const QString& name) {
    const LanguageLoader::Loaded loaded = LanguageLoader::load(home.languageDirectory(), name);
    m_texts = loaded.texts;
    m_settings.languageName = loaded.languageName;
    return !loaded.fellBack && !loaded.failed;
}

bool ShowDocument::changeLanguage(const QString& name) {
    const StopLabels oldLabels = m_texts.stopLabels();
    const bool found = loadTexts(name);
    show.cues.relabelStops(oldLabels, m_texts.stopLabels());
    clearHistory();
    emit languageChanged();
    return found;
}

void ShowDocument::readEditorSettings() {
    ConfigFile::readEditorSettings(home.configPath(), m_settings);
    emit settingsChanged();
}

void ShowDocument::changeSettings(const Settings& settings) {
    m_settings = settings;
    emit settingsChanged();
}

void ShowDocument::writeSettings() {
    if (ConfigFile::write(home.configPath(), m_settings))
        prompter.warn(text(TextId::SettingsNotSaved), text(TextId::WarningTitle));
}

void ShowDocument::newShow(int mode) {
    const BusyCursor busy;
    if (mode == ManualShow)
        show.clearForManualShow();
    else
        show.clearForTimeCodedShow();
    show.state.ProjectPath.clear();
    showWithoutFile(mode);
}

void ShowDocument::showWithoutFile(int mode, const QString& recoveredFrom_) {
    setCommandEnabled(CommandId::CueSort, mode != ManualShow);
    setSaveEnabled(false);
    emit titleChanged(text(DocumentTextId::UntitledShow));
    clearHistory();
    replaceSoundtrack(Soundtrack());
    emit showReplaced();
    recoveredFrom = recoveredFrom_;
    keepRecoveryCopy();
}

bool ShowDocument::open(const QString& path) {
    const BusyCursor busy;
    show.state.ProjectPath = path;
    showStatus(1, text(TextId::StatusLoading));
    // A missing file is no error: the reader empties the path instead.
    const ProjectFiles::Loaded loaded =
        ProjectFiles(m_texts.stopLabels(), codecKey).load(path, show);
    const FileError& error = loaded.error;
    showStatus(1, QString());
    if (error) {
        ShowErrorMessage(error);
        // What a damaged file gave back stays in the editor, but without the
        // file's name: a plain Save must not overwrite the damaged original.
        show.state.ProjectPath.clear();
        emit titleChanged(text(DocumentTextId::UntitledShow));
        setSaveEnabled(false);
    } else {
        show.cues.renumber();
        emit titleChanged(show.state.ProjectPath);
        setCommandEnabled(CommandId::CueSort, true);
        setSaveEnabled(!show.state.ProjectPath.isEmpty());
    }
    clearHistory();
    replaceSoundtrack(error ? Soundtrack() : loaded.soundtrack);
    emit showReplaced();
    recoveredFrom.clear();
    keepRecoveryCopy();
    if (!error)
        warnAboutSoundtrack(loaded.soundtrackError);
    return !error;
}

bool ShowDocument::save() {
    return !show.state.ProjectPath.isEmpty() && saveAs(show.state.ProjectPath);
}

bool ShowDocument::saveAs(const QString& path) {
    if (const FileError error =
            ProjectFiles(m_texts.stopLabels(), codecKey).save(show, m_soundtrack, path)) {
        ShowErrorMessage(error);
        return false;
    }
    const bool renamed = path != show.state.ProjectPath;
    show.state.ProjectPath = path;
    if (const FileError recent = RecentFiles::write(home.recentFilesPath(), path))
        ShowErrorMessage(recent);
    if (renamed) {
        recoveredFrom.clear();
        emit titleChanged(path);
        setSaveEnabled(true);
    }
    keepRecoveryCopy();
    return true;
}

void ShowDocument::restoreRecoveryCopy() {
    RecoveryFile::Details details;
    FileError error;
    {
        const BusyCursor busy;
        show.clearForTimeCodedShow();
        error = recovery.restore(show, m_texts.stopLabels(), &details);
    }
    if (error) {
        ShowErrorMessage(error);
        const QString kept = recovery.setAside();
        if (!kept.isEmpty())
            prompter.warn(text(RecoveryTextId::DamagedCopyKept) + QStringLiteral("\n") +
                              QDir::toNativeSeparators(kept),
                          text(TextId::WarningTitle));
    }
    showWithoutFile(show.state.ShowMode, details.projectPath);
    const QString name = details.projectPath.isEmpty()
                             ? text(DocumentTextId::UntitledShow)
                             : QDir::toNativeSeparators(details.projectPath);
    emit titleChanged(name + QStringLiteral(" (") + text(RecoveryTextId::RestoredMark) + u')');
}

void ShowDocument::ShowErrorMessage(const FileError& error) {
    const BusyCursor::Suspend normalPointer;
    prompter.critical(FileErrorText::message(error, m_texts), text(TextId::WarningTitle));
}

void ShowDocument::keepRecoveryCopy() {
    const QString& ownFile = show.state.ProjectPath;
    const FileError error = recovery.update(show, ownFile.isEmpty() ? recoveredFrom : ownFile,
                                            m_texts.stopLabels(), QDateTime::currentDateTime());
    if (error.ok()) {
        m_recoveryFailureShown = false;
        return;
    }
    if (m_recoveryFailureShown)
        return;
    m_recoveryFailureShown = true;
    const BusyCursor::Suspend normalPointer;
    prompter.warn(text(RecoveryTextId::CannotWrite) + QStringLiteral("\n\n") +
                      FileErrorText::description(error, m_texts),
                  text(TextId::WarningTitle));
}

void ShowDocument::clearHistory() {
    m_history->clear();
}

void ShowDocument::recordChange(const ShowSnapshot& before, const EditResult& result) {
    if (result.changed) {
        EditResult everything;
        everything.everything = true;
        m_history->push(new SnapshotStep(show, before, ShowSnapshot::of(show),
                                         [this, everything] { emit cellsChanged(everything); }));
    }
    emit cellsChanged(result);
}

void ShowDocument::beginOutsideChange() {
    m_outsideBefore = std::make_unique<ShowSnapshot>(ShowSnapshot::of(show));
}

void ShowDocument::endOutsideChange() {
    if (!m_outsideBefore)
        return;
    EditResult result;
    result.changed = true;
    result.everything = true;
    recordChange(*m_outsideBefore, result);
    m_outsideBefore.reset();
}

void ShowDocument::setCommandEnabled(CommandId id, bool enabled) {
    m_commands[size_t(id)].enabled = enabled;
    emit commandStateChanged(id);
}

void ShowDocument::setCommandChecked(CommandId id, bool checkable, bool checked) {
    CommandState& state = m_commands[size_t(id)];
    state.checkable = checkable;
    state.checked = checked;
    emit commandStateChanged(id);
}

void ShowDocument::setSaveEnabled(bool enabled) {
    setCommandEnabled(CommandId::Save, enabled);
}

void ShowDocument::setSoundtrack(const Soundtrack& soundtrack) {
    if (soundtrack == m_soundtrack)
        return;
    // Kept beside the project file, so the save question must not skip it;
    // not an undo step, since undo restores the tables alone.
    show.state.ShowChanged = true;
    replaceSoundtrack(soundtrack);
}

void ShowDocument::replaceSoundtrack(const Soundtrack& soundtrack) {
    // Samples of another file must not play or be drawn for this one.
    if (soundtrack.file != m_soundtrack.file && m_audio)
        setAudio(nullptr);
    m_soundtrack = soundtrack;
    emit soundtrackChanged();
}

void ShowDocument::warnAboutSoundtrack(const FileError& companionError) {
    const BusyCursor::Suspend normalPointer;
    if (companionError) {
        prompter.warn(text(SoundtrackTextId::CompanionUnreadable) + QStringLiteral("\n\n") +
                          FileErrorText::description(companionError, m_texts),
                      text(TextId::WarningTitle));
        return;
    }
    if (!m_soundtrack.isSet())
        return;
    QFile audio(m_soundtrack.file);
    // The entry stays, so that the user can point to the file again.
    if (!audio.open(QIODevice::ReadOnly))
        prompter.warn(text(SoundtrackTextId::AudioMissing) + QStringLiteral("\n") +
                          QDir::toNativeSeparators(m_soundtrack.file),
                      text(TextId::WarningTitle));
}

void ShowDocument::setAudio(std::shared_ptr<const SoundtrackAudio> audio) {
    m_audio = std::move(audio);
    emit audioChanged();
}

void ShowDocument::queueCommand(const QString& actionCode) {
    show.state.PendingCommand = actionCode;
    emit commandQueued();
}

void ShowDocument::showStatus(int panel, const QString& text) {
    emit statusTextChanged(panel, text);
}

} // namespace zyn
