#include "CliContext.h"

#include "settings/FileErrorText.h"
#include "settings/LanguageLoader.h"
#include "show/ConfigFile.h"
#include "show/ProjectFiles.h"
#include "show/ProjectKey.h"
#include "show/Show.h"

#include <QFile>
#include <QFileInfo>

namespace zyn {

namespace {

QString oneLine(QString text) {
    text.replace(QStringLiteral("\r\n"), QStringLiteral(" "));
    return text.simplified();
}

} // namespace

StopLabels fileFormLabels() {
    return StopLabels::fileForm();
}

CliContext::CliContext(QIODevice& out, QIODevice& err, ProgramDirectory home,
                       QString bundledLanguageDir, QString usageText)
    : m_out(out), m_err(err), m_home(std::move(home)),
      m_bundledLanguageDir(std::move(bundledLanguageDir)), m_usageText(std::move(usageText)) {}

int CliContext::fail(const QString& message) {
    m_err.write((QStringLiteral("zynctl: ") + oneLine(message) + u'\n').toUtf8());
    return Failure;
}

int CliContext::usage(const QString& message) {
    m_err.write((QStringLiteral("zynctl: ") + message + u'\n').toUtf8());
    m_err.write(m_usageText.toUtf8());
    return UsageError;
}

LanguageTexts CliContext::languageTexts() const {
    const QString name = ConfigFile::readLanguageName(m_home.configPath());
    // A folder zynk5 has not prepared yet (a new --home, an installed zynctl
    // run first) has no languages of its own.
    return LanguageLoader::load(m_home.languageSearchPath(m_bundledLanguageDir), name).texts;
}

QString CliContext::describe(const FileError& error) const {
    return FileErrorText::description(error, languageTexts());
}

std::optional<QByteArray> CliContext::readInput(const QString& path, QString* error) const {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        *error = QStringLiteral("cannot read %1: %2").arg(path, file.errorString());
        return std::nullopt;
    }
    return file.readAll();
}

bool CliContext::loadProject(const QString& path, const StopLabels& labels, Show& show, int* status,
                             Soundtrack* soundtrack) {
    if (!QFileInfo(path).isFile()) {
        *status = fail(QStringLiteral("no project file %1").arg(path));
        return false;
    }
    show.clearForTimeCodedShow();
    const ProjectFiles::Loaded loaded =
        ProjectFiles(labels, buildProjectCodecKey()).load(path, show);
    if (loaded.error) {
        *status = fail(describe(loaded.error));
        return false;
    }
    if (soundtrack) {
        *soundtrack = loaded.soundtrack;
        if (loaded.soundtrackError)
            m_err.write(QStringLiteral("zynctl: warning: the soundtrack is left out: %1\n")
                            .arg(oneLine(describe(loaded.soundtrackError)))
                            .toUtf8());
    }
    return true;
}

bool CliContext::saveProject(const QString& path, const StopLabels& labels, Show& show,
                             const Soundtrack& soundtrack, int* status) {
    const FileError error =
        ProjectFiles(labels, buildProjectCodecKey()).save(show, soundtrack, path);
    if (error) {
        *status = fail(describe(error));
        return false;
    }
    return true;
}

} // namespace zyn
