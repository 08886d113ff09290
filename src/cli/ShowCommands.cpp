#include "ShowCommands.h"

#include "CliContext.h"
#include "CommandLine.h"
#include "show/Show.h"
#include "show/ShowJson.h"

#include <QIODevice>
#include <memory>

namespace zyn::ShowCommands {

namespace {
const QString OutputOption = QStringLiteral("-o");
const QString ManualFlag = QStringLiteral("--manual");
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
    context.saveProject(line.values[OutputOption], fileFormLabels(), *show, &status);
    return status;
}

int dump(CliContext& context, const QStringList& words) {
    const CommandLine line = CommandLine::parse(words, {}, {});
    if (!line.error.isEmpty() || line.positional.size() != 1)
        return context.usage(line.error.isEmpty() ? QStringLiteral("dump takes one PROJECT")
                                                  : line.error);
    auto show = std::make_unique<Show>();
    int status = CliContext::Success;
    if (context.loadProject(line.positional[0], fileFormLabels(), *show, &status))
        context.out().write(ShowJson::write(*show, fileFormLabels()));
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
    error = ShowJson::read(*json, fileFormLabels(), *show);
    if (!error.isEmpty())
        return context.fail(line.positional[0] + QStringLiteral(": ") + error);
    int status = CliContext::Success;
    context.saveProject(line.values[OutputOption], fileFormLabels(), *show, &status);
    return status;
}

} // namespace zyn::ShowCommands
