#pragma once

#include <QString>
#include <QStringList>

namespace zyn {

class LanguageTexts;
class ProgramDirectory;

// What the desktop program's command line asks for. "--version" and "--help"
// are answered on the terminal before any window exists, so they work
// without a display; everything else starts the program.
class StartOptions {
public:
    enum class Request { Start, Version, Help };

    // `arguments` without the program's name.
    static StartOptions parse(const QStringList& arguments);

    Request request() const { return m_request; }
    // The folder named by "--home DIR"; "" when none is named.
    const QString& home() const { return m_home; }

    static QString versionText();
    // In the language `home` is set to, found the way zynctl finds it, so
    // asking for help never changes the folder.
    static QString helpText(const ProgramDirectory& home, const QString& bundledLanguageDir);
    static QString helpText(const LanguageTexts& texts);

private:
    Request m_request = Request::Start;
    QString m_home;
};

} // namespace zyn
