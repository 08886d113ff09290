#pragma once

#include "CheckFinding.h"

#include <QByteArray>
#include <QStringList>
#include <vector>

namespace zyn {

class LanguageTexts;

// How findings are put to the user. The severity word, the rule id and the
// place words are fixed English, like the ids, so scripts can read the lines
// in any language; the message is the current language's.
namespace CheckFindingText {

QString severityName(CheckFinding::Severity severity);
// "slave 3 channel 1 (cue 7)", "cue 12", "key 4"; "" for a finding without place.
QString place(const CheckFinding& finding);
QString message(const CheckFinding& finding, const LanguageTexts& texts);
// "error level-out-of-range slave 3 channel 1 (cue 7): <message>"
QString line(const CheckFinding& finding, const LanguageTexts& texts);
// One line per finding; beyond `maxLines` the rest is counted in one more line.
QStringList lines(const std::vector<CheckFinding>& findings, const LanguageTexts& texts,
                  int maxLines);
// {"findings": [...], "errors": N, "warnings": M}
QByteArray json(const std::vector<CheckFinding>& findings, const LanguageTexts& texts);

} // namespace CheckFindingText
} // namespace zyn
