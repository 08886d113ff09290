#include "OrcusWorkbook.h"

#include "CellName.h"
#include "CellText.h"

#include <exception>
#include <ixion/address.hpp>
#include <ixion/cell_access.hpp>
#include <ixion/model_context.hpp>
#include <orcus/format_detection.hpp>
#include <orcus/orcus_ods.hpp>
#include <orcus/orcus_xlsx.hpp>
#include <orcus/spreadsheet/document.hpp>
#include <orcus/spreadsheet/factory.hpp>
#include <orcus/spreadsheet/sheet.hpp>
#include <orcus/spreadsheet/styles.hpp>
#include <orcus/zip_archive.hpp>
#include <orcus/zip_archive_stream.hpp>

namespace zyn {

namespace {

const orcus::spreadsheet::range_size_t SheetSize{CellName::MaxRows, CellName::MaxColumns};

std::string_view view(const QByteArray& bytes) {
    return {bytes.constData(), size_t(bytes.size())};
}

// content.xml of an .ods archive, which holds the cells.
QByteArray odsContent(const QByteArray& bytes) {
    orcus::zip_archive_stream_blob stream(reinterpret_cast<const uint8_t*>(bytes.constData()),
                                          size_t(bytes.size()));
    orcus::zip_archive archive(&stream);
    archive.load();
    std::vector<unsigned char> content;
    if (!archive.read_file_entry("content.xml", content))
        throw std::runtime_error("the archive has no content.xml");
    return QByteArray(reinterpret_cast<const char*>(content.data()), qsizetype(content.size()));
}

SpreadsheetEngine::Opened damaged(const QString& detail) {
    return {nullptr, {WorkbookError::Kind::Damaged, detail}};
}

} // namespace

OrcusWorkbook::OrcusWorkbook()
    : m_document(std::make_unique<orcus::spreadsheet::document>(SheetSize)) {}

OrcusWorkbook::~OrcusWorkbook() = default;

SpreadsheetEngine::Opened OrcusWorkbook::load(const QByteArray& bytes, Format format) {
    std::unique_ptr<OrcusWorkbook> workbook(new OrcusWorkbook);
    try {
        orcus::spreadsheet::import_factory factory(*workbook->m_document);
        if (format == Format::Xlsx) {
            orcus::orcus_xlsx filter(&factory);
            filter.read_stream(view(bytes));
        } else {
            orcus::orcus_ods filter(&factory);
            filter.read_stream(view(bytes));
            QString error;
            workbook->m_odsCells = OdsDateTimeCells::read(odsContent(bytes), &error);
            if (!workbook->m_odsCells)
                return damaged(error);
        }
    } catch (const std::exception& e) {
        return damaged(QString::fromUtf8(e.what()));
    }
    if (workbook->m_document->get_sheet_count() == 0)
        return damaged(QStringLiteral("the workbook has no sheet"));
    if (format == Format::Xlsx)
        workbook->readNumberFormats();
    const orcus::date_time_t origin = workbook->m_document->get_origin_date();
    workbook->m_origin = QDate(origin.year, origin.month, origin.day);
    if (!workbook->m_origin.isValid())
        workbook->m_origin = QDate(1899, 12, 30);
    return {std::move(workbook), {}};
}

void OrcusWorkbook::readNumberFormats() {
    const orcus::spreadsheet::styles& styles = m_document->get_styles();
    for (size_t i = 0; i < styles.get_number_format_count(); ++i) {
        const orcus::spreadsheet::number_format_t* format = styles.get_number_format(i);
        if (format)
            m_formatDisplay.insert(
                format->identifier,
                NumberFormat::fromCode(QString::fromUtf8(format->format_string.data(),
                                                         qsizetype(format->format_string.size()))));
    }
}

QString OrcusWorkbook::valueText(double value, int row, int column) const {
    if (m_odsCells)
        return CellText::number(value); // its times and dates are read on their own
    const orcus::spreadsheet::sheet* sheet = m_document->get_sheet(0);
    const orcus::spreadsheet::cell_format_t* cellFormat =
        m_document->get_styles().get_cell_format(sheet->get_cell_format(row, column));
    ValueDisplay display = ValueDisplay::Number;
    if (cellFormat) {
        const auto found = m_formatDisplay.constFind(cellFormat->number_format);
        display = found != m_formatDisplay.constEnd()
                      ? *found
                      : NumberFormat::fromBuiltinId(int(cellFormat->number_format));
    }
    return CellText::fromValue(value, display, m_origin);
}

void OrcusWorkbook::writeSheet(const QByteArray& bytes, SheetPipe::SheetWriter& out) {
    using Outcome = SheetPipe::Sheet::Outcome;
    orcus::format_t format = orcus::format_t::unknown;
    try {
        format = orcus::detect(reinterpret_cast<const unsigned char*>(bytes.constData()),
                               size_t(bytes.size()));
    } catch (const std::exception& e) {
        out.begin(Outcome::Failed, e.what());
        return;
    }
    if (format != orcus::format_t::xlsx && format != orcus::format_t::ods) {
        out.begin(Outcome::Failed, "a zip archive that holds no readable workbook");
        return;
    }
    const SpreadsheetEngine::Opened opened =
        load(bytes, format == orcus::format_t::xlsx ? Format::Xlsx : Format::Ods);
    if (!opened.workbook) {
        out.begin(Outcome::Failed, opened.error.detail.toUtf8());
        return;
    }
    out.begin(Outcome::Read);
    static_cast<const OrcusWorkbook&>(*opened.workbook).writeCells(out);
}

void OrcusWorkbook::writeCells(SheetPipe::SheetWriter& out) const {
    const auto write = [&](CellPosition position) {
        if (const QString text = textAt(position); !text.isEmpty())
            out.text(position.row, position.column, text.toUtf8());
    };
    const ixion::abs_range_t range = m_document->get_sheet(0)->get_data_range();
    if (range.valid()) {
        const int lastRow = std::min<int>(range.last.row, CellName::MaxRows - 1);
        const int lastColumn = std::min<int>(range.last.column, SheetPipe::SentColumns - 1);
        for (int row = std::max(0, int(range.first.row)); row <= lastRow; ++row) {
            for (int column = std::max(0, int(range.first.column)); column <= lastColumn; ++column)
                write({row, column});
        }
    }
    // Time and date cells the general reader dropped may lie outside its range.
    if (m_odsCells) {
        m_odsCells->forEach([&](CellPosition position, const QString& text) {
            if (position.column < SheetPipe::SentColumns)
                out.text(position.row, position.column, text.toUtf8());
        });
    }
}

QString OrcusWorkbook::cellText(QStringView cellName) const {
    const std::optional<CellPosition> position = CellName::parse(cellName);
    return position ? textAt(*position) : QString();
}

QString OrcusWorkbook::textAt(CellPosition position) const {
    if (m_odsCells) {
        if (std::optional<QString> text = m_odsCells->text(position))
            return *text;
    }
    try {
        const ixion::abs_address_t address(0, position.row, position.column);
        const ixion::cell_access cell = m_document->get_model_context().get_cell_access(address);
        switch (cell.get_value_type()) {
        case ixion::cell_value_t::string: {
            const std::string_view text = cell.get_string_value();
            return QString::fromUtf8(text.data(), qsizetype(text.size()));
        }
        case ixion::cell_value_t::numeric:
            return valueText(cell.get_numeric_value(), position.row, position.column);
        case ixion::cell_value_t::boolean:
            return cell.get_boolean_value() ? QStringLiteral("TRUE") : QStringLiteral("FALSE");
        case ixion::cell_value_t::error: {
            const std::string_view name = ixion::get_formula_error_name(cell.get_error_value());
            return QString::fromUtf8(name.data(), qsizetype(name.size()));
        }
        default:
            return {};
        }
    } catch (const std::exception&) {
        return {}; // a formula whose result the file does not hold
    }
}

} // namespace zyn
