#include "EditCommands.h"

#include "CliContext.h"
#include "CommandLine.h"
#include "editor/CueSort.h"
#include "show/Show.h"

#include <memory>

namespace zyn::EditCommands {

namespace {
const QString OutputOption = QStringLiteral("-o");
} // namespace

int sort(CliContext& context, const QStringList& words) {
    const CommandLine line = CommandLine::parse(words, {OutputOption}, {});
    if (!line.error.isEmpty() || line.positional.size() != 1)
        return context.usage(line.error.isEmpty() ? QStringLiteral("sort takes PROJECT [-o OUT]")
                                                  : line.error);
    const QString project = line.positional[0];
    // Loading and saving with the language's labels, as the editor does, so
    // the sort sees the stops exactly as the user would.
    const StopLabels labels = context.languageTexts().stopLabels();
    auto show = std::make_unique<Show>();
    int status = CliContext::Success;
    Soundtrack soundtrack;
    if (!context.loadProject(project, labels, *show, &status, &soundtrack))
        return status;
    CueSort::sortAndRenumber(*show, labels, 1);
    context.saveProject(line.values.value(OutputOption, project), labels, *show, soundtrack,
                        &status);
    return status;
}

} // namespace zyn::EditCommands
