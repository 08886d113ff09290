#pragma once

#include "ImportError.h"
#include "ImportRow.h"

namespace zyn {

class LanguageTexts;

// How the import's errors and row notes are put to the user.
namespace ImportErrorText {

// What went wrong, then where: the file and the line or sheet row.
QString description(const ImportError& error, const LanguageTexts& texts);

// One sentence about a preview row's note.
QString noteText(ImportNote note, const ImportRow& row);

} // namespace ImportErrorText
} // namespace zyn
