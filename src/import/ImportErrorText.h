#pragma once

#include "ImportError.h"
#include "ImportRow.h"

namespace zyn {

class LanguageTexts;

// How the import's errors and row notes are put to the user, in the current
// language. Values the user typed are quoted after the sentence, never
// built into it, so a translation cannot lose them.
namespace ImportErrorText {

// What went wrong, then where: the file and the line or sheet row.
QString description(const ImportError& error, const LanguageTexts& texts);

// One sentence about a preview row's note, led by the values it is about.
QString noteText(ImportNote note, const ImportRow& row, const LanguageTexts& texts);

// "line 12" for a text file's line, "row 12" for a sheet's row.
QString place(LineUnit unit, int line, const LanguageTexts& texts);

} // namespace ImportErrorText
} // namespace zyn
