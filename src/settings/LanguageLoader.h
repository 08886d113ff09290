#pragma once

#include "LanguageTexts.h"

#include <QStringList>

namespace zyn {

// Finds and loads the texts of a language from the program's language folder.
namespace LanguageLoader {

inline constexpr QLatin1StringView DefaultLanguage{"English"};

struct Loaded {
    LanguageTexts texts;
    QString languageName;  // the language whose texts were loaded
    bool fellBack = false; // the wanted language was missing: English is used
    bool failed = false;   // not even English could be read: every text is ""
};

Loaded load(const QString& languageDirectory, const QString& languageName);
// The same over several folders: a language comes from the first folder that
// holds a readable file of it.
Loaded load(const QStringList& languageDirectories, const QString& languageName);

// DirReadFiles: the "*.lan" files of a folder, by name.
QStringList DirReadFiles(const QString& directory);

} // namespace LanguageLoader
} // namespace zyn
