#pragma once

#include "TableRefusal.h"

namespace zyn {

class LanguageTexts;

// How a refused table is put to the user, in the current language: the rule
// the show breaks, then the cue, key or cell that breaks it. One line, so the
// command-line tool can print it as its error line.
namespace TableRefusalText {

QString description(const TableRefusal& refusal, const LanguageTexts& texts);

} // namespace TableRefusalText
} // namespace zyn
