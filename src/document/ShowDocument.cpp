#include "ShowDocument.h"

#include "document/RecoveryTextId.h"
#include "platform/Prompter.h"
#include "platform/widgets/BusyCursor.h"
#include "settings/FileErrorText.h"
#include "settings/LanguageLoader.h"
#include "settings/TextId.h"
#include "show/ConfigFile.h"
#include "show/ProjectKey.h"
#include "show/ProjectReader.h"
#include "show/ProjectWriter.h"
#include "show/RecentFiles.h"

#include <QDateTime>

namespace zyn {

ShowDocument::ShowDocument(ProgramDirectory home_, Prompter& prompter_, FileDialogs& fileDialogs_)
    : home(std::move(home_)), codecKey(buildProjectCodecKey()), recovery(home.path(), codecKey),
      prompter(prompter_), fileDialogs(fileDialogs_) {
    recovery.claim();
}

bool ShowDocument::loadLanguage() {
    settings.languageName = ConfigFile::readLanguageName(home.configPath());
    return loadLanguage(settings.languageName);
}

bool ShowDocument::loadLanguage(const QString& name) {
    const LanguageLoader::Loaded loaded = LanguageLoader::load(home.languageDirectory(), name);
    texts = loaded.texts;
    settings.languageName = loaded.languageName;
    return !loaded.fellBack && !loaded.failed;
}

void ShowDocument::writeSettings() {
    if (ConfigFile::write(home.configPath(), settings))
        prompter.warn(text(TextId::SettingsNotSaved), text(TextId::WarningTitle));
}

bool ShowDocument::saveProject() {
    const FileError error =
        ProjectWriter(texts.stopLabels(), codecKey).save(show, show.state.ProjectPath);
    if (error) {
        ShowErrorMessage(error);
        return false;
    }
    if (const FileError recent = RecentFiles::write(home.recentFilesPath(), show.state.ProjectPath))
        ShowErrorMessage(recent);
    keepRecoveryCopy();
    return true;
}

bool ShowDocument::loadProject() {
    const ProjectReader::Outcome outcome =
        ProjectReader(texts.stopLabels(), codecKey).load(show.state.ProjectPath, show);
    if (outcome.error) {
        ShowErrorMessage(outcome.error);
        return false;
    }
    return true;
}

void ShowDocument::ShowErrorMessage(const FileError& error) {
    const BusyCursor::Suspend normalPointer;
    prompter.critical(FileErrorText::message(error, texts), text(TextId::WarningTitle));
}

void ShowDocument::keepRecoveryCopy() {
    const QString& ownFile = show.state.ProjectPath;
    const FileError error = recovery.update(show, ownFile.isEmpty() ? recoveredFrom : ownFile,
                                            texts.stopLabels(), QDateTime::currentDateTime());
    if (error.ok()) {
        m_recoveryFailureShown = false;
        return;
    }
    if (m_recoveryFailureShown)
        return;
    m_recoveryFailureShown = true;
    const BusyCursor::Suspend normalPointer;
    prompter.warn(text(RecoveryTextId::CannotWrite) + QStringLiteral("\n\n") +
                      FileErrorText::description(error, texts),
                  text(TextId::WarningTitle));
}

} // namespace zyn
