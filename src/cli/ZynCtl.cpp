#include "ZynCtl.h"

#include "AudioCommands.h"
#include "CardCommands.h"
#include "CheckCommands.h"
#include "CliContext.h"
#include "EditCommands.h"
#include "ImportCommands.h"
#include "LanguageCommands.h"
#include "ReportCommands.h"
#include "ShowCommands.h"
#include "TransferCommands.h"
#include "VerifyCommands.h"
#include "Version.h"

#include <QIODevice>
#include <array>

namespace zyn {

namespace {

using Handler = int (*)(CliContext&, const QStringList&);

struct Command {
    const char* name;
    const char* usage;
    Handler handler;
};

// Every command, with its line of the usage text.
const std::array Commands = {
    Command{"new", "new [--manual] -o PROJECT      a new empty show file", ShowCommands::newShow},
    Command{"dump", "dump PROJECT                   the show as JSON on stdout",
            ShowCommands::dump},
    Command{"build", "build SHOW.json -o PROJECT     a project file from JSON",
            ShowCommands::build},
    Command{"sort", "sort PROJECT [-o OUT]          sort, renumber cues", EditCommands::sort},
    Command{"report",
            "report channels|times PROJECT -o OUT.{xlt,xlsx,pdf}\n"
            "                                 a report as tab-separated text, workbook or PDF",
            ReportCommands::report},
    Command{"check",
            "check PROJECT [--json] [--module-gap MS]\n"
            "                                 the pre-flight check: errors, warnings",
            CheckCommands::check},
    Command{"table", "table PROJECT -o FILE          controller table bytes (= drive export)",
            TransferCommands::table},
    Command{"transfer", "transfer PROJECT [--port DEV]  serial transfer, progress on stderr",
            TransferCommands::transfer},
    Command{"card-image", "card-image PROJECT -o FILE     the chip-card image",
            CardCommands::image},
    Command{"card-write",
            "card-write PROJECT [--reader pcsc[:N]|emulated[:FILE]]\n"
            "                                 write the card, progress on stderr",
            CardCommands::write},
    Command{"plan", "plan SOURCE [--json]           what a project, table file or card image fires",
            VerifyCommands::plan},
    Command{"verify",
            "verify PROJECT FILE            does a table file or card image hold the show",
            VerifyCommands::verify},
    Command{"import", ImportCommands::Usage, ImportCommands::run},
    Command{"audio", AudioCommands::Usage, AudioCommands::run},
    Command{"lang",
            "lang compile SRC -o NAME.lan   a language file from its source\n"
            "  lang dump NAME.lan             a language file as source text",
            LanguageCommands::run},
};

QString usageText() {
    QString text = QStringLiteral("usage: zynctl [--home DIR] COMMAND ...\n"
                                  "       zynctl --version | --help\n");
    for (const Command& command : Commands)
        text += QStringLiteral("  ") + QLatin1String(command.usage) + u'\n';
    return text;
}

} // namespace

ZynCtl::ZynCtl(QIODevice& out, QIODevice& err, QString executableDir, QString userDataDir)
    : m_out(out), m_err(err), m_executableDir(std::move(executableDir)),
      m_userDataDir(std::move(userDataDir)) {}

int ZynCtl::run(const QStringList& arguments) {
    QStringList words = arguments;
    QString home;
    if (words.size() >= 2 && words[0] == u"--home") {
        home = words[1];
        words = words.mid(2);
    }
    CliContext context(m_out, m_err,
                       ProgramDirectory::resolve(home, m_executableDir, m_userDataDir),
                       ProgramDirectory::bundledLanguageDirectory(m_executableDir), usageText());
    if (words.isEmpty())
        return context.usage(QStringLiteral("no command given"));
    const QString name = words.takeFirst();
    if (name == u"--help" || name == u"-h") {
        m_out.write(usageText().toUtf8());
        return Success;
    }
    if (name == u"--version") {
        m_out.write(QStringLiteral("zynctl %1\n").arg(QLatin1String(Version::Number)).toUtf8());
        return Success;
    }
    for (const Command& command : Commands) {
        if (name == QLatin1String(command.name))
            return command.handler(context, words);
    }
    return context.usage(QStringLiteral("unknown command \"%1\"").arg(name));
}

} // namespace zyn
