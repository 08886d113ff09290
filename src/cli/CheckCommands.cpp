#include "CheckCommands.h"

#include "CliContext.h"
#include "CommandLine.h"
#include "check/CheckFindingText.h"
#include "check/CheckTextId.h"
#include "check/ShowCheck.h"
#include "settings/CheckSettings.h"
#include "show/Show.h"
#include "transfer/TableRefusalText.h"

#include <QIODevice>
#include <memory>

namespace zyn::CheckCommands {

namespace {

const QString JsonFlag = QStringLiteral("--json");
const QString GapOption = QStringLiteral("--module-gap");

void writeLines(QIODevice& device, const QStringList& lines) {
    for (const QString& line : lines)
        device.write((line + u'\n').toUtf8());
}

// The options of the program folder's settings file; a damaged entry is
// named on the error stream and its default used.
CheckOptions savedOptions(CliContext& context, const LanguageTexts& texts) {
    const CheckSettings::Loaded loaded = CheckSettings::read(context.home().checkSettingsPath());
    for (const QString& place : loaded.ignored)
        writeLines(context.err(), {QStringLiteral("zynctl: ") +
                                   texts.text(CheckTextId::SettingIgnored) + u' ' + place});
    return {loaded.settings.moduleGapMs};
}

std::vector<CheckFinding> findingsOf(const std::vector<CheckFinding>& all, bool errors) {
    std::vector<CheckFinding> out;
    for (const CheckFinding& finding : all) {
        if (finding.isError() == errors)
            out.push_back(finding);
    }
    return out;
}

} // namespace

int check(CliContext& context, const QStringList& words) {
    const CommandLine line = CommandLine::parse(words, {GapOption}, {JsonFlag});
    if (!line.error.isEmpty() || line.positional.size() != 1)
        return context.usage(line.error.isEmpty()
                                 ? QStringLiteral("check takes PROJECT [--json] [--module-gap MS]")
                                 : line.error);
    const LanguageTexts texts = context.languageTexts();
    CheckOptions options;
    if (line.values.contains(GapOption)) {
        bool ok = false;
        options.moduleGapMs = line.values[GapOption].toInt(&ok);
        if (!ok || options.moduleGapMs < 0)
            return context.usage(QStringLiteral("--module-gap takes milliseconds, 0 or more"));
    } else {
        options = savedOptions(context, texts);
    }
    int status = CliContext::Success;
    auto show = std::make_unique<Show>();
    if (!context.loadProject(line.positional[0], fileFormLabels(), *show, &status))
        return status;
    const std::vector<CheckFinding> findings = ShowCheck::run(*show, fileFormLabels(), options);
    if (line.flags.contains(JsonFlag))
        context.out().write(CheckFindingText::json(findings, texts));
    else
        writeLines(context.out(), CheckFindingText::lines(findings, texts, int(findings.size())));
    return ShowCheck::errorCount(findings) ? CliContext::Failure : CliContext::Success;
}

bool preflight(CliContext& context, const Show& show, int* status) {
    const LanguageTexts texts = context.languageTexts();
    const std::vector<CheckFinding> all =
        ShowCheck::run(show, fileFormLabels(), savedOptions(context, texts));
    const std::vector<CheckFinding> errors = findingsOf(all, true);
    if (!errors.empty()) {
        for (const QString& line :
             CheckFindingText::lines(errors, texts, TableRefusalText::TerminalLines))
            *status = context.fail(line);
        return false;
    }
    QStringList warnings =
        CheckFindingText::lines(findingsOf(all, false), texts, TableRefusalText::TerminalLines);
    for (QString& warning : warnings)
        warning.prepend(QStringLiteral("zynctl: "));
    writeLines(context.err(), warnings);
    return true;
}

} // namespace zyn::CheckCommands
