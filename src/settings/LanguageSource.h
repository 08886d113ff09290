#pragma once

#include "LanguageTexts.h"

#include <QByteArray>
#include <QString>

namespace zyn {

// The translator's form of a language: UTF-8 text, one text per line as
// "number = text", ascending numbers, '#' starting a comment line. Numbers
// left out are empty texts. Compiled into the scrambled language file.
namespace LanguageSource {

struct ParseResult {
    LanguageTexts texts;
    QString error; // "" on success, otherwise "line N: what is wrong"
};

ParseResult parse(const QByteArray& utf8);
QByteArray write(const LanguageTexts& texts, const QString& languageName);

// A number no language should exceed; guards against a typo like "2000".
inline constexpr int MaxTextNumber = 9999;

} // namespace LanguageSource
} // namespace zyn
