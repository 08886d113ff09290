#include "LanguageLoader.h"

#include "LanguageFile.h"

#include <QDir>

namespace zyn::LanguageLoader {

namespace {

std::optional<LanguageTexts> loadNamed(const QStringList& directories, const QString& name) {
    if (name.isEmpty())
        return std::nullopt;
    for (const QString& directory : directories) {
        if (std::optional<LanguageTexts> texts =
                LanguageFile::load(QDir(directory).filePath(name + LanguageFile::Extension)))
            return texts;
    }
    return std::nullopt;
}

} // namespace

Loaded load(const QString& languageDirectory, const QString& languageName) {
    return load(QStringList{languageDirectory}, languageName);
}

Loaded load(const QStringList& languageDirectories, const QString& languageName) {
    Loaded loaded;
    if (std::optional<LanguageTexts> texts = loadNamed(languageDirectories, languageName)) {
        loaded.texts = std::move(*texts);
        loaded.languageName = languageName;
        return loaded;
    }
    loaded.languageName = DefaultLanguage;
    loaded.fellBack = languageName != DefaultLanguage;
    if (std::optional<LanguageTexts> texts = loadNamed(languageDirectories, DefaultLanguage))
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
