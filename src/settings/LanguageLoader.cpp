#include "LanguageLoader.h"

#include "LanguageFile.h"

#include <QDir>

namespace zyn::LanguageLoader {

namespace {

std::optional<LanguageTexts> loadNamed(const QString& directory, const QString& name) {
    if (name.isEmpty())
        return std::nullopt;
    return LanguageFile::load(QDir(directory).filePath(name + LanguageFile::Extension));
}

} // namespace

Loaded load(const QString& languageDirectory, const QString& languageName) {
    Loaded loaded;
    if (std::optional<LanguageTexts> texts = loadNamed(languageDirectory, languageName)) {
        loaded.texts = std::move(*texts);
        loaded.languageName = languageName;
        return loaded;
    }
    loaded.languageName = DefaultLanguage;
    loaded.fellBack = languageName != DefaultLanguage;
    if (std::optional<LanguageTexts> texts = loadNamed(languageDirectory, DefaultLanguage))
        loaded.texts = std::move(*texts);
    else
        loaded.failed = true;
    return loaded;
}

QStringList DirReadFiles(const QString& directory) {
    return QDir(directory).entryList({QStringLiteral("*") + LanguageFile::Extension},
                                     QDir::Files | QDir::Readable, QDir::Name);
}

} // namespace zyn::LanguageLoader
