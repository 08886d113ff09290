#include "ReportWorkbook.h"

#include "reports/Report.h"
#include "reports/ReportXlt.h"
#include "show/AtomicFile.h"

#include <QDir>
#include <QFile>
#include <QTemporaryFile>
#include <xlsxwriter.h>

namespace zyn::ReportWorkbook {

namespace {

constexpr lxw_row_t TitleRow = 0;
constexpr lxw_row_t ProgramRow = 3;
constexpr lxw_row_t ProjectRow = 4;
constexpr lxw_row_t CaptionRow = 6;

FileError failure(const QString& path, const QString& detail) {
    FileError error = FileError::at(FileError::Kind::CannotWrite, path);
    error.detail = detail;
    return error;
}

// The title as a sheet name, when it makes a valid one.
QByteArray sheetName(const QString& title) {
    QString name = title.left(31);
    for (QChar& c : name) {
        if (QStringLiteral("[]:*?/\\").contains(c))
            c = u' ';
    }
    name = name.trimmed();
    if (name.startsWith(u'\'') || name.endsWith(u'\''))
        return {};
    return name.toUtf8();
}

class Sheet {
public:
    Sheet(lxw_worksheet* sheet, lxw_format* text) : m_sheet(sheet), m_text(text) {}

    void write(lxw_row_t row, lxw_col_t column, const QString& value) {
        const lxw_error error =
            worksheet_write_string(m_sheet, row, column, value.toUtf8().constData(), m_text);
        if (error != LXW_NO_ERROR && m_error == LXW_NO_ERROR)
            m_error = error;
    }
    lxw_error error() const { return m_error; }

private:
    lxw_worksheet* m_sheet;
    lxw_format* m_text;
    lxw_error m_error = LXW_NO_ERROR;
};

// Fills the workbook; an error of the first cell that failed, if any.
lxw_error fill(lxw_workbook* workbook, const Report& report) {
    const QByteArray name = sheetName(report.ReportTitle);
    lxw_worksheet* worksheet = nullptr;
    if (!name.isEmpty() && workbook_validate_sheet_name(workbook, name.constData()) == LXW_NO_ERROR)
        worksheet = workbook_add_worksheet(workbook, name.constData());
    if (!worksheet)
        worksheet = workbook_add_worksheet(workbook, nullptr);
    lxw_format* text = workbook_add_format(workbook);
    if (!worksheet || !text)
        return LXW_ERROR_MEMORY_MALLOC_FAILED;
    format_set_num_format(text, "@");

    Sheet sheet(worksheet, text);
    sheet.write(TitleRow, 0, report.ReportTitle);
    sheet.write(ProgramRow, 0, report.TitleInfo[0]);
    sheet.write(ProjectRow, 0, report.TitleInfo[1]);
    const std::vector<int> columns = report.columnsInOrder();
    for (int i = 0; i < int(columns.size()); ++i)
        sheet.write(CaptionRow, lxw_col_t(i), report.cell(0, columns[i]));
    for (int r = 1; r <= report.RowCount; ++r) {
        for (int i = 0; i < int(columns.size()); ++i)
            sheet.write(CaptionRow + lxw_row_t(r), lxw_col_t(i),
                        ReportXlt::exportedCell(report.cell(r, columns[i])));
    }
    return sheet.error();
}

} // namespace

FileError save(const Report& report, const QString& path) {
    // The library writes only to a named file: it writes a temporary one,
    // whose bytes then replace the target in one step.
    QTemporaryFile scratch(
        QDir(QDir::tempPath()).filePath(QStringLiteral("zynreport-XXXXXX.xlsx")));
    if (!scratch.open())
        return failure(path, scratch.errorString());
    scratch.close();

    lxw_workbook* workbook = workbook_new(QFile::encodeName(scratch.fileName()).constData());
    if (!workbook)
        return failure(path, QStringLiteral("the workbook could not be started"));
    const lxw_error filled = fill(workbook, report);
    const lxw_error closed = workbook_close(workbook);
    const lxw_error error = filled != LXW_NO_ERROR ? filled : closed;
    if (error != LXW_NO_ERROR)
        return failure(path, QString::fromUtf8(lxw_strerror(error)));

    QFile written(scratch.fileName());
    if (!written.open(QIODevice::ReadOnly))
        return failure(path, written.errorString());
    return AtomicFile::save(path, written.readAll());
}

} // namespace zyn::ReportWorkbook
