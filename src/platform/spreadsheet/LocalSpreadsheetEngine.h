#pragma once

#include "platform/SpreadsheetEngine.h"

namespace zyn {

// The spreadsheet engine built into the program: .xlsx and .ods workbooks
// through liborcus, .xls through libfreexl. The format is told by the file's
// content, not its name, so a workbook saved under the wrong extension still
// reads. A build without the libraries has the same class with available()
// false, and every open reports the engine as missing.
class LocalSpreadsheetEngine : public SpreadsheetEngine {
public:
    bool available() const override;
    Opened open(const QString& path) const override;
};

} // namespace zyn
