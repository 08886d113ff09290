#include "FreexlWorkbook.h"

#include "CellName.h"
#include "CellText.h"

#include <QFile>
#include <QRegularExpression>
#include <freexl.h>

namespace zyn {

namespace {

SpreadsheetEngine::Opened failed(WorkbookError::Kind kind, const QString& detail) {
    return {nullptr, {kind, detail}};
}

QString libraryError(int code) {
    return QStringLiteral("the .xls reader reports error %1").arg(code);
}

// The library's "HH:MM:SS" and "YYYY-MM-DD HH:MM:SS" in the form the other
// workbook formats give: hours without a leading zero.
QString unpadHours(const char* text) {
    static const QRegularExpression hours(QStringLiteral(R"((^|\s)0(\d):)"));
    return QString::fromUtf8(text).replace(hours, QStringLiteral("\\1\\2:"));
}

} // namespace

FreexlWorkbook::~FreexlWorkbook() {
    if (m_handle)
        freexl_close(m_handle);
}

SpreadsheetEngine::Opened FreexlWorkbook::load(const QString& path) {
    std::unique_ptr<FreexlWorkbook> workbook(new FreexlWorkbook);
    const int opened = freexl_open(QFile::encodeName(path).constData(), &workbook->m_handle);
    if (opened == FREEXL_BIFF_WORKBOOK_NOT_FOUND)
        return failed(WorkbookError::Kind::NotAWorkbook, QStringLiteral("it holds no workbook"));
    if (opened != FREEXL_OK)
        return failed(WorkbookError::Kind::Damaged, libraryError(opened));
    unsigned int protection = 0;
    if (freexl_get_info(workbook->m_handle, FREEXL_BIFF_PASSWORD, &protection) == FREEXL_OK &&
        protection != FREEXL_BIFF_PLAIN)
        return failed(WorkbookError::Kind::Damaged,
                      QStringLiteral("it is protected by a password"));
    const int selected = freexl_select_active_worksheet(workbook->m_handle, 0);
    if (selected != FREEXL_OK)
        return failed(WorkbookError::Kind::Damaged, libraryError(selected));
    const int measured =
        freexl_worksheet_dimensions(workbook->m_handle, &workbook->m_rows, &workbook->m_columns);
    if (measured != FREEXL_OK)
        return failed(WorkbookError::Kind::Damaged, libraryError(measured));
    return {std::move(workbook), {}};
}

QString FreexlWorkbook::cellText(QStringView cellName) const {
    const std::optional<CellPosition> position = CellName::parse(cellName);
    if (!position || unsigned(position->row) >= m_rows || unsigned(position->column) >= m_columns)
        return {};
    FreeXL_CellValue value;
    if (freexl_get_cell_value(m_handle, unsigned(position->row),
                              static_cast<unsigned short>(position->column), &value) != FREEXL_OK)
        return {};
    switch (value.type) {
    case FREEXL_CELL_INT:
        return QString::number(value.value.int_value);
    case FREEXL_CELL_DOUBLE:
        return CellText::number(value.value.double_value);
    case FREEXL_CELL_TEXT:
    case FREEXL_CELL_SST_TEXT:
    case FREEXL_CELL_DATE:
        return QString::fromUtf8(value.value.text_value);
    case FREEXL_CELL_DATETIME:
    case FREEXL_CELL_TIME:
        return unpadHours(value.value.text_value);
    default:
        return {};
    }
}

} // namespace zyn
