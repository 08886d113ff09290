#include "AppSession.h"

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

namespace zyn {

AppSession::AppSession(ProgramDirectory home_, Prompter& prompter_, FileDialogs& fileDialogs_)
    : home(std::move(home_)), codecKey(buildProjectCodecKey()), prompter(prompter_),
      fileDialogs(fileDialogs_) {}

bool AppSession::loadLanguage() {
    settings.languageName = ConfigFile::readLanguageName(home.configPath());
    return loadLanguage(settings.languageName);
}

bool AppSession::loadLanguage(const QString& name) {
    const LanguageLoader::Loaded loaded = LanguageLoader::load(home.languageDirectory(), name);
    texts = loaded.texts;
    settings.languageName = loaded.languageName;
    return !loaded.fellBack && !loaded.failed;
}

void AppSession::writeSettings() {
    if (ConfigFile::write(home.configPath(), settings))
        prompter.warn(text(TextId::SettingsNotSaved), text(TextId::WarningTitle));
}

bool AppSession::saveProject() {
    const FileError error =
        ProjectWriter(texts.stopLabels(), codecKey).save(show, show.state.ProjectPath);
    if (error) {
        ShowErrorMessage(error);
        return false;
    }
    if (const FileError recent = RecentFiles::write(home.recentFilesPath(), show.state.ProjectPath))
        ShowErrorMessage(recent);
    return true;
}

bool AppSession::loadProject() {
    const ProjectReader::Outcome outcome =
        ProjectReader(texts.stopLabels(), codecKey).load(show.state.ProjectPath, show);
    if (outcome.error) {
        ShowErrorMessage(outcome.error);
        return false;
    }
    return true;
}

void AppSession::ShowErrorMessage(const FileError& error) {
    const BusyCursor::Suspend normalPointer;
    prompter.critical(FileErrorText::message(error, texts), text(TextId::WarningTitle));
}

} // namespace zyn
