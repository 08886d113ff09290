#include "ShowCommands.h"

#include "CliContext.h"
#include "CommandLine.h"
#include "show/Show.h"
#include "show/ShowJson.h"
#include "soundtrack/SoundtrackFile.h"

#include <QFileInfo>
#include <QIODevice>
#include <memory>

namespace zyn::ShowCommands {

namespace {
const QString OutputOption = QStringLiteral("-o");
const QString ManualFlag = QStringLiteral("--manual");

// A relative soundtrack path in the JSON is relative to the project's folder,
// as in the file beside the project.
QString projectFolder(const QString& project) {
    return QFileInfo(project).absolutePath();
}
} // namespace

int newShow(CliContext& context, const QStringList& words) {
    const CommandLine line = CommandLine::parse(words, {OutputOption}, {ManualFlag});
    if (!line.error.isEmpty() || !line.positional.isEmpty() || !line.values.contains(OutputOption))
        return context.usage(line.error.isEmpty() ? QStringLiteral("new takes -o PROJECT")
                                                  : line.error);
    auto show = std::make_unique<Show>();
    if (line.flags.contains(ManualFlag))
        show->clearForManualShow();
    else
        show->clearForTimeCodedShow();
    int status = CliContext::Success;
    context.saveProject(line.values[OutputOption], fileFormLabels(), *show, Soundtrack(), &status);
    return status;
}

int dump(CliContext& context, const QStringList& words) {
    const CommandLine line = CommandLine::parse(words, {}, {});
    if (!line.error.isEmpty() || line.positional.size() != 1)
        return context.usage(line.error.isEmpty() ? QStringLiteral("dump takes one PROJECT")
                                                  : line.error);
    const QString project = line.positional[0];
    auto show = std::make_unique<Show>();
    int status = CliContext::Success;
    Soundtrack soundtrack;
    if (!context.loadProject(project, fileFormLabels(), *show, &status, &soundtrack))
        return status;
    // The audio path as the file beside the project keeps it, so that build
    // and dump speak of it alike.
    if (soundtrack.isSet())
        soundtrack.file = SoundtrackFile::storedPath(soundtrack.file, projectFolder(project));
    context.out().write(ShowJson::write(*show, fileFormLabels(), soundtrack));
    return status;
}

int build(CliContext& context, const QStringList& words) {
    const CommandLine line = CommandLine::parse(words, {OutputOption}, {});
    if (!line.error.isEmpty() || line.positional.size() != 1 || !line.values.contains(OutputOption))
        return context.usage(
            line.error.isEmpty() ? QStringLiteral("build takes SHOW.json -o PROJECT") : line.error);
    QString error;
    const std::optional<QByteArray> json = context.readInput(line.positional[0], &error);
    if (!json)
        return context.fail(error);
    auto show = std::make_unique<Show>();
    Soundtrack soundtrack;
    error = ShowJson::read(*json, fileFormLabels(), *show, &soundtrack);
    if (!error.isEmpty())
        return context.fail(line.positional[0] + QStringLiteral(": ") + error);
    const QString project = line.values[OutputOption];
    if (soundtrack.isSet())
        soundtrack.file = SoundtrackFile::resolvedPath(soundtrack.file, projectFolder(project));
    int status = CliContext::Success;
    context.saveProject(project, fileFormLabels(), *show, soundtrack, &status);
    return status;
}

} // namespace zyn::ShowCommands
