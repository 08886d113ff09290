#pragma once

#include "TableRefusal.h"

#include <QStringList>
#include <algorithm>
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

// The first `maxLines` of `count` items as `describe(i)` puts them, then one
// line counting the rest: "… and 5 more". Every listing of places a show gets
// wrong is cut the same way.
template<typename Describe>
QStringList firstLines(std::size_t count, const LanguageTexts& texts, int maxLines,
                       Describe describe);
QString moreLine(std::size_t rest, const LanguageTexts& texts);

// One description per refusal, in order. Beyond `maxLines` the rest is not
// described but counted in one more line: "… and 5 more".
QStringList lines(const std::vector<TableRefusal>& refusals, const LanguageTexts& texts,
                  int maxLines = std::numeric_limits<int>::max());

} // namespace TableRefusalText
template<typename Describe>
QStringList TableRefusalText::firstLines(std::size_t count, const LanguageTexts& texts,
                                         int maxLines, Describe describe) {
    const std::size_t shown = std::min(count, std::size_t(std::max(maxLines, 0)));
    QStringList out;
    out.reserve(qsizetype(shown) + 1);
    for (std::size_t i = 0; i < shown; ++i)
        out << describe(i);
    if (shown < count)
        out << moreLine(count - shown, texts);
    return out;
}

} // namespace zyn
