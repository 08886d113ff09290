#pragma once

#include "LanguageTexts.h"
#include "show/FileError.h"

namespace zyn {

// How a file error is put to the user, in the current language.
namespace FileErrorText {

// What went wrong, then the file and line, then the system's own reason.
QString description(const FileError& error, const LanguageTexts& texts);

// The cell as the user names it: "Cue 12, Description", "Slave 3, Ch 5".
QString placeName(const CellPlace& place, const LanguageTexts& texts);

// The critical-error box's body: "Fehlernummer: ", the number, two CR LF
// pairs and the description.
QString message(const FileError& error, const LanguageTexts& texts);

} // namespace FileErrorText
} // namespace zyn
