#pragma once

#include "PlanDifference.h"

#include <QStringList>
#include <vector>

namespace zyn {

class LanguageTexts;

// How a difference between a medium and the show is put to the user, in the
// current language; a stop is named by the label the cue table shows.
namespace PlanDifferenceText {

QString description(const PlanDifference& difference, const LanguageTexts& texts);
QStringList lines(const std::vector<PlanDifference>& differences, const LanguageTexts& texts);

} // namespace PlanDifferenceText
} // namespace zyn
