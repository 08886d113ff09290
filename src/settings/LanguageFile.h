#pragma once

#include "LanguageTexts.h"

#include <QByteArray>
#include <optional>

namespace zyn {

// The compiled language file "<name>.lan": one scrambled text value per line,
// the n-th value being text number n, code page Windows-1252, CR LF.
namespace LanguageFile {

inline constexpr QLatin1StringView Extension{".lan"};

// The language files' own key, built at run time like the project key and
// independent of it; its codes lie between 1 and 9 (see ScrambledField).
QByteArray buildLanguageKey();

QByteArray serialize(const LanguageTexts& texts);
LanguageTexts parse(const QByteArray& content);
// Nothing when the file cannot be read.
std::optional<LanguageTexts> load(const QString& path);

} // namespace LanguageFile
} // namespace zyn
