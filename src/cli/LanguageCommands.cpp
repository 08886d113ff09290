#include "LanguageCommands.h"

#include "CliContext.h"
#include "CommandLine.h"
#include "settings/LanguageFile.h"
#include "settings/LanguageSource.h"
#include "show/AtomicFile.h"

#include <QFileInfo>
#include <QIODevice>

namespace zyn::LanguageCommands {

namespace {

const QString OutputOption = QStringLiteral("-o");

int compile(CliContext& context, const QStringList& words) {
    const CommandLine line = CommandLine::parse(words, {OutputOption}, {});
    if (!line.error.isEmpty() || line.positional.size() != 1 || !line.values.contains(OutputOption))
        return context.usage(line.error.isEmpty()
                                 ? QStringLiteral("lang compile takes SRC -o NAME.lan")
                                 : line.error);
    QString error;
    const std::optional<QByteArray> source = context.readInput(line.positional[0], &error);
    if (!source)
        return context.fail(error);
    const LanguageSource::ParseResult parsed = LanguageSource::parse(*source);
    if (!parsed.error.isEmpty())
        return context.fail(line.positional[0] + QStringLiteral(", ") + parsed.error);
    const FileError saveError =
        AtomicFile::save(line.values[OutputOption], LanguageFile::serialize(parsed.texts));
    return saveError ? context.fail(context.describe(saveError)) : CliContext::Success;
}

int dump(CliContext& context, const QStringList& words) {
    const CommandLine line = CommandLine::parse(words, {}, {});
    if (!line.error.isEmpty() || line.positional.size() != 1)
        return context.usage(line.error.isEmpty() ? QStringLiteral("lang dump takes NAME.lan")
                                                  : line.error);
    const QString path = line.positional[0];
    const std::optional<LanguageTexts> texts = LanguageFile::load(path);
    if (!texts)
        return context.fail(QStringLiteral("cannot read the language file %1").arg(path));
    context.out().write(LanguageSource::write(*texts, QFileInfo(path).completeBaseName()));
    return CliContext::Success;
}

} // namespace

int run(CliContext& context, const QStringList& words) {
    if (words.isEmpty())
        return context.usage(QStringLiteral("lang needs compile or dump"));
    if (words[0] == u"compile")
        return compile(context, words.mid(1));
    if (words[0] == u"dump")
        return dump(context, words.mid(1));
    return context.usage(QStringLiteral("unknown lang command \"%1\"").arg(words[0]));
}

} // namespace zyn::LanguageCommands
