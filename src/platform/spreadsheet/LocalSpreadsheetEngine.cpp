#include "LocalSpreadsheetEngine.h"

#include "FreexlWorkbook.h"
#include "OrcusWorkbook.h"
#include "PipedWorkbook.h"
#include "ZipDirectory.h"

#include <QFile>
#include <QFileInfo>

namespace zyn {

namespace {

// Larger files are no cue list; refusing them keeps a stray disk image from
// being read into memory whole.
constexpr qint64 MaxWorkbookBytes = 256 * 1024 * 1024;

const QByteArray ZipSignature("PK\x03\x04", 4);
const QByteArray CompoundFileSignature("\xD0\xCF\x11\xE0\xA1\xB1\x1A\xE1", 8);

SpreadsheetEngine::Opened failed(WorkbookError::Kind kind, const QString& detail = {}) {
    return {nullptr, {kind, detail}};
}

SpreadsheetEngine::Opened openArchive(const QByteArray& bytes) {
    if (const QString oversized = ZipDirectory::checkSizes(bytes); !oversized.isEmpty())
        return failed(WorkbookError::Kind::Damaged, oversized);
    return PipedWorkbook::open(
        [&bytes](SheetPipe::SheetWriter& out) { OrcusWorkbook::writeSheet(bytes, out); });
}

} // namespace

bool LocalSpreadsheetEngine::available() const {
    return true;
}

SpreadsheetEngine::Opened LocalSpreadsheetEngine::open(const QString& path) const {
    if (QFileInfo(path).isDir())
        return failed(WorkbookError::Kind::CannotOpen, QStringLiteral("it is a folder"));
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return failed(WorkbookError::Kind::CannotOpen, file.errorString());
    if (file.size() == 0)
        return failed(WorkbookError::Kind::Empty);
    if (file.size() > MaxWorkbookBytes)
        return failed(WorkbookError::Kind::NotAWorkbook, QStringLiteral("the file is too large"));
    const QByteArray bytes = file.readAll();
    if (bytes.startsWith(ZipSignature))
        return openArchive(bytes);
    if (bytes.startsWith(CompoundFileSignature))
        return FreexlWorkbook::load(path);
    return failed(WorkbookError::Kind::NotAWorkbook);
}

} // namespace zyn
