#include "StartOptions.h"

#include "ShellTextId.h"
#include "Version.h"
#include "settings/LanguageLoader.h"
#include "settings/ProgramDirectory.h"
#include "show/ConfigFile.h"

namespace zyn {

namespace {

// The option names are the same in every language; only what they do is
// translated.
struct OptionLine {
    const char* name;
    int text;
};

constexpr OptionLine Options[] = {
    {"--home DIR", ShellTextId::HelpHomeOption},
    {"--version", ShellTextId::HelpVersionOption},
    {"--help", ShellTextId::HelpHelpOption},
};

constexpr int OptionColumn = 14;

} // namespace

StartOptions StartOptions::parse(const QStringList& arguments) {
    StartOptions options;
    for (qsizetype at = 0; at < arguments.size(); ++at) {
        const QString& word = arguments[at];
        if (word == u"--home" && at + 1 < arguments.size())
            options.m_home = arguments[++at];
        else if (options.m_request == Request::Start && word == u"--version")
            options.m_request = Request::Version;
        else if (options.m_request == Request::Start && (word == u"--help" || word == u"-h"))
            options.m_request = Request::Help;
    }
    return options;
}

QString StartOptions::versionText() {
    return QStringLiteral("zynk5 %1\n").arg(QLatin1String(Version::Number));
}

QString StartOptions::helpText(const ProgramDirectory& home, const QString& bundledLanguageDir) {
    const QString language = ConfigFile::readLanguageName(home.configPath());
    return helpText(
        LanguageLoader::load(home.languageSearchPath(bundledLanguageDir), language).texts);
}

QString StartOptions::helpText(const LanguageTexts& texts) {
    QString usage = texts.text(ShellTextId::HelpUsage);
    if (!usage.isEmpty())
        usage += u' ';
    QString text = usage + QStringLiteral("zynk5 [--home DIR] [--version] [--help]\n");
    for (const OptionLine& option : Options) {
        text += QStringLiteral("  ") +
                QString::fromLatin1(option.name).leftJustified(OptionColumn) +
                texts.text(option.text) + u'\n';
    }
    return text;
}

} // namespace zyn
