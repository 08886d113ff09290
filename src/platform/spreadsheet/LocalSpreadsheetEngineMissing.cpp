// The engine of a build without the workbook libraries: the import then
// tells the user that no spreadsheet program is available.
#include "LocalSpreadsheetEngine.h"

namespace zyn {

bool LocalSpreadsheetEngine::available() const {
    return false;
}

SpreadsheetEngine::Opened LocalSpreadsheetEngine::open(const QString&) const {
    return {nullptr, {WorkbookError::Kind::Unavailable, {}}};
}

} // namespace zyn
