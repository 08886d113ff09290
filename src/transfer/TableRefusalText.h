#pragma once

#include "TableRefusal.h"

#include <QStringList>
#include <limits>
#include <vector>

namespace zyn {

class LanguageTexts;

// How a refused table is put to the user, in the current language: the rule
// the show breaks, then the cue, key or cell that breaks it. One line each, so
// the command-line tool can print them as its error lines.
namespace TableRefusalText {

// The most lines a listing on a terminal gives before it counts the rest.
constexpr int TerminalLines = 20;

QString description(const TableRefusal& refusal, const LanguageTexts& texts);

// One description per refusal, in order. Beyond `maxLines` the rest is not
// described but counted in one more line: "… and 5 more".
QStringList lines(const std::vector<TableRefusal>& refusals, const LanguageTexts& texts,
                  int maxLines = std::numeric_limits<int>::max());

} // namespace TableRefusalText
} // namespace zyn
