#pragma once

#include "show/FileError.h"

#include <QDate>
#include <QString>

namespace zyn {

class LanguageTexts;
struct PrintChoice;
struct Report;

// A report as a PDF file: every page, in the report's orientation, on the
// sheet its geometry was read from. Needs a running QGuiApplication (fonts).
namespace ReportPdf {

// The file is written whole or not at all.
FileError save(const Report& report, const LanguageTexts& texts, QDate today, const QString& path);

// The copies and pages of a print choice as one document, as a printer
// would take them. A choice that prints no page writes no file.
FileError save(const Report& report, const LanguageTexts& texts, QDate today, const QString& path,
               const PrintChoice& choice, int currentPage);

} // namespace ReportPdf
} // namespace zyn
