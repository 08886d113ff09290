#include "ZynCtl.h"

#include "CommandLine.h"
#include "settings/FileErrorText.h"
#include "settings/LanguageFile.h"
#include "settings/LanguageLoader.h"
#include "settings/LanguageSource.h"
#include "settings/ProgramDirectory.h"
#include "show/AtomicFile.h"
#include "show/ConfigFile.h"
#include "show/ProjectKey.h"
#include "show/ProjectReader.h"
#include "show/ProjectWriter.h"
#include "show/Show.h"
#include "show/ShowJson.h"

#include <QFile>
#include <QFileInfo>
#include <memory>

namespace zyn {

namespace {

constexpr QStringView UsageText =
    u"usage: zynctl [--home DIR] COMMAND ...\n"
    u"  new [--manual] -o PROJECT      a new empty show file\n"
    u"  dump PROJECT                   the show as JSON on stdout\n"
    u"  build SHOW.json -o PROJECT     a project file from JSON\n"
    u"  lang compile SRC -o NAME.lan   a language file from its source\n"
    u"  lang dump NAME.lan             a language file as source text\n";

const QString OutputOption = QStringLiteral("-o");

// The command-line tool keeps times in the file's own form ("MAN", "TS #2"),
// so that what it reads and writes never depends on a language.
StopLabels cliLabels() {
    return StopLabels::fileForm();
}

QString oneLine(QString text) {
    text.replace(QStringLiteral("\r\n"), QStringLiteral(" "));
    return text.simplified();
}

std::optional<QByteArray> readInput(const QString& path, QString* error) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        *error = QStringLiteral("cannot read %1: %2").arg(path, file.errorString());
        return std::nullopt;
    }
    return file.readAll();
}

} // namespace

ZynCtl::ZynCtl(QIODevice& out, QIODevice& err, QString executableDir, QString userDataDir)
    : m_out(out), m_err(err), m_executableDir(std::move(executableDir)),
      m_userDataDir(std::move(userDataDir)) {}

int ZynCtl::run(const QStringList& arguments) {
    QStringList words = arguments;
    if (words.size() >= 2 && words[0] == u"--home") {
        m_home = words[1];
        words = words.mid(2);
    }
    if (words.isEmpty())
        return usage(QStringLiteral("no command given"));
    const QString command = words.takeFirst();
    if (command == u"--help" || command == u"-h") {
        m_out.write(UsageText.toUtf8());
        return Success;
    }
    if (command == u"new")
        return newShow(words);
    if (command == u"dump")
        return dump(words);
    if (command == u"build")
        return build(words);
    if (command == u"lang")
        return language(words);
    return usage(QStringLiteral("unknown command \"%1\"").arg(command));
}

int ZynCtl::newShow(const QStringList& words) {
    const CommandLine line =
        CommandLine::parse(words, {OutputOption}, {QStringLiteral("--manual")});
    if (!line.error.isEmpty() || !line.positional.isEmpty() || !line.values.contains(OutputOption))
        return usage(line.error.isEmpty() ? QStringLiteral("new takes -o PROJECT") : line.error);
    auto show = std::make_unique<Show>();
    if (line.flags.contains(QStringLiteral("--manual")))
        show->clearForManualShow();
    else
        show->clearForTimeCodedShow();
    const FileError error =
        ProjectWriter(cliLabels(), buildProjectCodecKey()).save(*show, line.values[OutputOption]);
    return error ? fail(FileErrorText::description(error, languageTexts())) : Success;
}

int ZynCtl::dump(const QStringList& words) {
    const CommandLine line = CommandLine::parse(words, {}, {});
    if (!line.error.isEmpty() || line.positional.size() != 1)
        return usage(line.error.isEmpty() ? QStringLiteral("dump takes one PROJECT") : line.error);
    const QString path = line.positional[0];
    if (!QFileInfo(path).isFile())
        return fail(QStringLiteral("no project file %1").arg(path));
    auto show = std::make_unique<Show>();
    show->clearForTimeCodedShow();
    const ProjectReader::Outcome outcome =
        ProjectReader(cliLabels(), buildProjectCodecKey()).load(path, *show);
    if (outcome.error)
        return fail(FileErrorText::description(outcome.error, languageTexts()));
    m_out.write(ShowJson::write(*show, cliLabels()));
    return Success;
}

int ZynCtl::build(const QStringList& words) {
    const CommandLine line = CommandLine::parse(words, {OutputOption}, {});
    if (!line.error.isEmpty() || line.positional.size() != 1 || !line.values.contains(OutputOption))
        return usage(line.error.isEmpty() ? QStringLiteral("build takes SHOW.json -o PROJECT")
                                          : line.error);
    QString error;
    const std::optional<QByteArray> json = readInput(line.positional[0], &error);
    if (!json)
        return fail(error);
    auto show = std::make_unique<Show>();
    error = ShowJson::read(*json, cliLabels(), *show);
    if (!error.isEmpty())
        return fail(line.positional[0] + QStringLiteral(": ") + error);
    const FileError saveError =
        ProjectWriter(cliLabels(), buildProjectCodecKey()).save(*show, line.values[OutputOption]);
    return saveError ? fail(FileErrorText::description(saveError, languageTexts())) : Success;
}

int ZynCtl::language(const QStringList& words) {
    if (words.isEmpty())
        return usage(QStringLiteral("lang needs compile or dump"));
    if (words[0] == u"compile")
        return languageCompile(words.mid(1));
    if (words[0] == u"dump")
        return languageDump(words.mid(1));
    return usage(QStringLiteral("unknown lang command \"%1\"").arg(words[0]));
}

int ZynCtl::languageCompile(const QStringList& words) {
    const CommandLine line = CommandLine::parse(words, {OutputOption}, {});
    if (!line.error.isEmpty() || line.positional.size() != 1 || !line.values.contains(OutputOption))
        return usage(line.error.isEmpty() ? QStringLiteral("lang compile takes SRC -o NAME.lan")
                                          : line.error);
    QString error;
    const std::optional<QByteArray> source = readInput(line.positional[0], &error);
    if (!source)
        return fail(error);
    const LanguageSource::ParseResult parsed = LanguageSource::parse(*source);
    if (!parsed.error.isEmpty())
        return fail(line.positional[0] + QStringLiteral(", ") + parsed.error);
    const QString target = line.values[OutputOption];
    const FileError saveError = AtomicFile::save(target, LanguageFile::serialize(parsed.texts));
    return saveError ? fail(FileErrorText::description(saveError, languageTexts())) : Success;
}

int ZynCtl::languageDump(const QStringList& words) {
    const CommandLine line = CommandLine::parse(words, {}, {});
    if (!line.error.isEmpty() || line.positional.size() != 1)
        return usage(line.error.isEmpty() ? QStringLiteral("lang dump takes NAME.lan")
                                          : line.error);
    const QString path = line.positional[0];
    const std::optional<LanguageTexts> texts = LanguageFile::load(path);
    if (!texts)
        return fail(QStringLiteral("cannot read the language file %1").arg(path));
    m_out.write(LanguageSource::write(*texts, QFileInfo(path).completeBaseName()));
    return Success;
}

int ZynCtl::fail(const QString& message) {
    m_err.write((QStringLiteral("zynctl: ") + oneLine(message) + u'\n').toUtf8());
    return Failure;
}

int ZynCtl::usage(const QString& message) {
    m_err.write((QStringLiteral("zynctl: ") + message + u'\n').toUtf8());
    m_err.write(UsageText.toUtf8());
    return UsageError;
}

LanguageTexts ZynCtl::languageTexts() const {
    const ProgramDirectory home = ProgramDirectory::resolve(m_home, m_executableDir, m_userDataDir);
    const QString name = ConfigFile::readLanguageName(home.configPath());
    return LanguageLoader::load(home.languageDirectory(), name).texts;
}

} // namespace zyn
