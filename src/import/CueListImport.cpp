#include "CueListImport.h"

#include "TextCueList.h"

#include <QFile>

namespace zyn {

ImportError CueListImport::open(const QString& path, FileKind kind) {
    m_path = path;
    m_kind = kind;
    m_headers = {};
    const ImportError error = kind == FileKind::Workbook ? openWorkbook() : openTextFile();
    m_refused = error.kind == ImportError::Kind::ProjectFile;
    return error;
}

ImportError CueListImport::openWorkbook() {
    SpreadsheetEngine::Opened opened = m_engine.open(m_path);
    if (!opened.workbook)
        return workbookError(opened.error);
    m_headers = WorkbookCueList::readHeaders(*opened.workbook);
    return {};
}

ImportError CueListImport::openTextFile() {
    QFile file(m_path);
    if (!file.open(QIODevice::ReadOnly))
        return {}; // IMPORT reports it, as for any other unreadable file
    const QStringList first = TextCueList::splitLines(TextCueList::decode(file.read(4096)));
    if (!first.isEmpty() && TextCueList::isProjectFile(first.first()))
        return ImportError::at(ImportError::Kind::ProjectFile, m_path, 1);
    return {};
}

ImportError CueListImport::importRows(bool fixedLayout, const ColumnChoice& columns) {
    m_timesInWholeSeconds = false;
    if (m_refused)
        return ImportError::at(ImportError::Kind::ProjectFile, m_path, 1);
    if (m_path.isEmpty())
        return ImportError::at(ImportError::Kind::CannotOpen, m_path);
    if (m_kind == FileKind::Workbook)
        return importWorkbook(fixedLayout, columns);
    ImportRows read = TextCueList::read(m_path);
    m_preview.replace(std::move(read.rows));
    return read.error;
}

ImportError CueListImport::importWorkbook(bool fixedLayout, const ColumnChoice& columns) {
    SpreadsheetEngine::Opened opened = m_engine.open(m_path);
    if (!opened.workbook)
        return workbookError(opened.error);
    ImportRows read = WorkbookCueList::readRows(*opened.workbook, m_path, fixedLayout,
                                                m_headers.columns, columns);
    m_timesInWholeSeconds = read.timesInWholeSeconds;
    m_preview.append(read.rows);
    return read.error;
}

ImportError CueListImport::workbookError(const WorkbookError& error) const {
    using Kind = WorkbookError::Kind;
    ImportError::Kind kind = ImportError::Kind::DamagedWorkbook;
    switch (error.kind) {
    case Kind::Unavailable:
        kind = ImportError::Kind::SpreadsheetMissing;
        break;
    case Kind::CannotOpen:
        kind = ImportError::Kind::CannotOpen;
        break;
    case Kind::Empty:
        kind = ImportError::Kind::EmptyFile;
        break;
    case Kind::NotAWorkbook:
        kind = ImportError::Kind::NotAWorkbook;
        break;
    case Kind::None:
    case Kind::Damaged:
        break;
    }
    return ImportError::at(kind, m_path, 0, error.detail);
}

} // namespace zyn
