#pragma once

#include "NumberFormat.h"
#include "OdsDateTimeCells.h"
#include "SheetPipe.h"
#include "platform/SpreadsheetEngine.h"

#include <QByteArray>
#include <QDate>
#include <QHash>
#include <memory>

namespace orcus::spreadsheet {
class document;
}

namespace zyn {

// An .xlsx or .ods workbook read whole into memory. Numbers are shown by
// their cell's number format; the time and date cells of an .ods file, which
// the reader drops, come from the file's own values. The archive library
// stops the program on some damaged files, so the program reads workbooks
// through writeSheet() in a child process (see SheetPipe).
class OrcusWorkbook : public Workbook {
public:
    enum class Format { Xlsx, Ods };

    ~OrcusWorkbook() override;

    static SpreadsheetEngine::Opened load(const QByteArray& bytes, Format format);
    // Recognises the archive's format, loads it and writes the first sheet's
    // cells in columns A to Z, or the reason it cannot be read.
    static void writeSheet(const QByteArray& bytes, SheetPipe::SheetWriter& out);

    QString cellText(QStringView cellName) const override;

private:
    OrcusWorkbook();
    QString textAt(CellPosition position) const;
    void writeCells(SheetPipe::SheetWriter& out) const;
    void readNumberFormats();
    QString valueText(double value, int row, int column) const;

    std::unique_ptr<orcus::spreadsheet::document> m_document;
    std::optional<OdsDateTimeCells> m_odsCells;
    // .xlsx only: by the number-format id cells refer to. The .ods reader
    // gives its formats no ids, and its dates and times come from m_odsCells.
    QHash<size_t, ValueDisplay> m_formatDisplay;
    QDate m_origin;
};

} // namespace zyn
