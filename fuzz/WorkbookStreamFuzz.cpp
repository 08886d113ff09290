// Damaged .xls compound files through the program's workbook engine and the
// import's sheet reading (see WorkbookCheck.h).

#include "WorkbookCheck.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    zyn::fuzz::checkWorkbookBytes(zyn::fuzz::bytesOf(data, size));
    return 0;
}
