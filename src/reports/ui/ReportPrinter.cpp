#include "ReportPrinter.h"

#include "reports/render/PageLayouts.h"
#include "reports/render/PainterTarget.h"

#include <QPageSetupDialog>
#include <QPainter>
#include <QPrinter>
#include <QPrinterInfo>

namespace zyn {

namespace {

bool runPageSetup(QPrinter& printer, QWidget* parent) {
    QPageSetupDialog dialog(&printer, parent);
    dialog.setObjectName(QStringLiteral("PageSetup"));
    return dialog.exec() == QDialog::Accepted;
}

// The sheet a PDF starts on: the A4 that reports fall back to.
QPageLayout fallbackLayout() {
    return PageLayouts::forGeometry(PaperGeometry::sb_PrinterScales({}), true);
}

} // namespace

QList<PrinterEntry> ReportPrinter::systemPrinters() {
    QList<PrinterEntry> printers;
    for (const QPrinterInfo& info : QPrinterInfo::availablePrinters())
        printers.append({info.printerName(), info.location(), info.makeAndModel(), info.isRemote(),
                         info.isDefault()});
    return printers;
}

ReportPrinter::ReportPrinter(Catalog catalog)
    : m_catalog(std::move(catalog)), m_setupDialog(runPageSetup) {}

ReportPrinter::~ReportPrinter() = default;

QString ReportPrinter::current() {
    if (!m_current) {
        // The system's default printer until the user chooses another.
        m_current = QString();
        for (const PrinterEntry& entry : installed()) {
            if (entry.isDefault)
                m_current = entry.name;
        }
    }
    return *m_current;
}

void ReportPrinter::select(const QString& name) {
    m_current = QString();
    for (const PrinterEntry& entry : installed()) {
        if (entry.name == name)
            m_current = name;
    }
    if (!m_current->isEmpty())
        printer().setPrinterName(*m_current);
}

QPrinter& ReportPrinter::printer() {
    if (!m_printer) {
        m_printer = std::make_unique<QPrinter>(QPrinter::HighResolution);
        m_printer->setPrinterName(current());
    }
    return *m_printer;
}

QPrinter& ReportPrinter::pdfPrinter() {
    if (!m_pdf) {
        m_pdf = std::make_unique<QPrinter>(QPrinter::HighResolution);
        m_pdf->setOutputFormat(QPrinter::PdfFormat);
        m_pdf->setPageLayout(fallbackLayout());
    }
    return *m_pdf;
}

PaperReading ReportPrinter::paper() {
    if (pdfTarget())
        return m_pdfSetUp ? PageLayouts::readPaper(pdfPrinter().pageLayout()) : PaperReading{};
    return PageLayouts::readPaper(printer().pageLayout());
}

bool ReportPrinter::portrait() {
    const QPrinter& target = pdfTarget() ? pdfPrinter() : printer();
    return target.pageLayout().orientation() == QPageLayout::Portrait;
}

void ReportPrinter::setPortrait(bool portrait) {
    QPrinter& target = pdfTarget() ? pdfPrinter() : printer();
    target.setPageOrientation(portrait ? QPageLayout::Portrait : QPageLayout::Landscape);
}

bool ReportPrinter::setup(QWidget* parent) {
    const bool pdf = pdfTarget();
    QPrinter& target = pdf ? pdfPrinter() : printer();
    // The dialog works on a copy of the layout: cancelling keeps the old one.
    const QPageLayout before = target.pageLayout();
    if (!m_setupDialog(target, parent)) {
        target.setPageLayout(before);
        return false;
    }
    if (pdf)
        m_pdfSetUp = true;
    return true;
}

bool ReportPrinter::print(const JobDrawing& draw, const PaperGeometry& geometry, bool portrait,
                          const QString& documentName) {
    QPrinter& target = printer();
    target.setDocName(documentName);
    // Copies are drawn into the job itself, so that they come out in page
    // order on every printer.
    target.setCopyCount(1);
    const QPageLayout layout = PageLayouts::forGeometry(geometry, portrait);
    if (!target.setPageLayout(layout)) {
        // The printer cannot print that close to the edge: its own margins,
        // the report's sheet and orientation.
        target.setPageSize(layout.pageSize());
        target.setPageOrientation(layout.orientation());
    }
    QPainter painter;
    if (!painter.begin(&target))
        return false;
    PainterTarget pages(painter);
    draw(pages);
    if (painter.isActive())
        painter.end();
    return target.printerState() != QPrinter::Error && target.printerState() != QPrinter::Aborted;
}

} // namespace zyn
