#pragma once

#include "PrinterEntry.h"
#include "reports/PaperGeometry.h"

#include <QList>
#include <QPageLayout>
#include <functional>
#include <memory>
#include <optional>

class QPrinter;
class QWidget;

namespace zyn {

class PrintTarget;

// The current printer of the run: one of the installed printers, or the PDF
// file target, which needs no printer at all. Reports are paged for its
// paper; print jobs go to it. A choice made in the print dialog stays until
// the next one.
class ReportPrinter {
public:
    // The installed printers; asked afresh each time the list is filled.
    using Catalog = std::function<QList<PrinterEntry>()>;
    // Shows the system's page setup for the printer; true when accepted.
    using SetupDialog = std::function<bool(QPrinter&, QWidget* parent)>;
    // Draws the pages of one job on the target it is given.
    using JobDrawing = std::function<void(PrintTarget&)>;

    // The printers of the system's print service (none when it is absent).
    static QList<PrinterEntry> systemPrinters();

    explicit ReportPrinter(Catalog catalog = systemPrinters);
    ~ReportPrinter();

    QList<PrinterEntry> installed() const { return m_catalog(); }
    // The current printer's name; empty while the PDF file target is current.
    QString current();
    bool pdfTarget() { return current().isEmpty(); }
    // SelectPrinter: the installed printer of that name becomes current; a
    // name that no installed printer has selects the PDF file target.
    void select(const QString& name);

    // What the current target says about its paper. The PDF target answers
    // only once its setup chose a paper: until then reports take the A4
    // fallback.
    PaperReading paper();
    // The orientation the current target is set to.
    bool portrait();
    void setPortrait(bool portrait);
    // The page setup for the current target; cancelling changes nothing.
    bool setup(QWidget* parent);
    void setSetupDialog(SetupDialog dialog) { m_setupDialog = std::move(dialog); }

    // One job on the current printer, on the report's sheet with its drawing
    // area as the printable area; false when the printer refused the job or
    // failed during it.
    bool print(const JobDrawing& draw, const PaperGeometry& geometry, bool portrait,
               const QString& documentName);

private:
    QPrinter& printer();
    QPrinter& pdfPrinter();

    Catalog m_catalog;
    SetupDialog m_setupDialog;
    std::optional<QString> m_current;
    std::unique_ptr<QPrinter> m_printer;
    std::unique_ptr<QPrinter> m_pdf;
    bool m_pdfSetUp = false;
};

} // namespace zyn
