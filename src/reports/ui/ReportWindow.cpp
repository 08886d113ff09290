#include "ReportWindow.h"

#include "PrintDialog.h"
#include "ReportPreview.h"
#include "ReportPrinter.h"
#include "ReportUiTextId.h"
#include "document/CommandId.h"
#include "document/ShowDocument.h"
#include "platform/FileDialogs.h"
#include "platform/Prompter.h"
#include "platform/widgets/BusyCursor.h"
#include "reports/PageNavigation.h"
#include "reports/PrintChoice.h"
#include "reports/ReportBuilder.h"
#include "reports/ReportTextId.h"
#include "reports/render/ReportPdf.h"
#include "reports/render/ReportRenderer.h"
#include "reports/xlsx/ReportExporter.h"

#include <QCloseEvent>
#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QScrollArea>
#include <QTimer>
#include <QVBoxLayout>

namespace zyn {

namespace {

const QString ReportPrefix = QStringLiteral("REPORT_");
// The time list lets the window repaint after this many cues.
constexpr int CuesBetweenRepaints = 64;
constexpr int DeskMargin = 16;

// The menu entry of each report kind.
constexpr struct {
    int kind;
    CommandId entry;
} ReportEntries[] = {
    {ChannelListReport, CommandId::ChannelList},
    {TimeListReport, CommandId::TimeList},
};

// The paging buttons of the report toolbar.
constexpr CommandId PagingButtons[] = {CommandId::FirstPage, CommandId::PreviousPage,
                                       CommandId::NextPage, CommandId::LastPage};

} // namespace

ReportWindow::ReportWindow(ShowDocument& document, std::shared_ptr<ReportPrinter> printer,
                           QWidget* parent)
    : QWidget(parent), m_document(document), m_printer(std::move(printer)) {
    setObjectName(QStringLiteral("frm_Reports"));
    m_preview = new ReportPreview;
    // The sheet lies on the desk with a margin all round.
    auto* desk = new QWidget;
    auto* deskLayout = new QVBoxLayout(desk);
    deskLayout->setContentsMargins(DeskMargin, DeskMargin, DeskMargin, DeskMargin);
    deskLayout->addWidget(m_preview, 0, Qt::AlignCenter);
    auto* area = new QScrollArea;
    area->setObjectName(QStringLiteral("PreviewArea"));
    area->setBackgroundRole(QPalette::Dark);
    area->setAlignment(Qt::AlignCenter);
    area->setWidgetResizable(true);
    area->setWidget(desk);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(area);

    m_timer = new QTimer(this);
    m_timer->setInterval(PollInterval);
    connect(m_timer, &QTimer::timeout, this, &ReportWindow::runPendingCommand);
}

void ReportWindow::open() {
    emit opened();
    m_busy = true;
    const ReportBuilder builder(m_document.show, m_document.texts(), m_measurer,
                                m_printer->paper());
    m_report = builder.windowLoad();
    m_currentPage = 1;
    m_labelLayout = LabelLayout::sb_Label_Layout_Read();
    m_subtitle.clear();
    sb_Make_DatenPool();
    m_busy = false;
    m_timer->start();
}

ReportWindow::~ReportWindow() {
    // Gone with the main window rather than closed: nothing is left to restore
    // but the record that a report is open.
    if (!m_unloaded)
        m_document.ReportKind = NoReport;
}

void ReportWindow::closeEvent(QCloseEvent* event) {
    // Every way out goes through the one that restores the main window.
    event->ignore();
    if (!m_unloaded)
        m_document.show.state.PendingCommand = QStringLiteral("REPORT_CLOSE");
}

void ReportWindow::runPendingCommand() {
    QString& pending = m_document.show.state.PendingCommand;
    if (m_busy || !pending.startsWith(ReportPrefix))
        return;
    const QString code = pending;
    pending.clear();
    // A command that opens a dialog or lets the window repaint must not let
    // the next command in before it has finished.
    m_timer->stop();
    m_busy = true;
    handle(code);
    m_busy = false;
    if (!m_unloaded)
        m_timer->start();
}

void ReportWindow::handle(const QString& code) {
    if (code == u"REPORT_CLOSE") {
        unload();
    } else if (code == u"REPORT_SEITESTART" || code == u"REPORT_SEITEVOR" ||
               code == u"REPORT_SEITEWEITER" || code == u"REPORT_ENDE") {
        m_currentPage = PageNavigation::turn(code, m_currentPage, m_report.PageCount);
        sb_Report_ListenSeite_Show();
    } else if (code == u"REPORT_EXPORT") {
        sb_Export_Report();
    } else if (code == u"REPORT_PRINT") {
        openPrintDialog();
    } else if (code == u"REPORT_PRINTING_START") {
        startPrinting();
    } else if (code == u"REPORT_CHANGE") {
        reportChange();
    }
    // REPORT_OPTIONEN: the report has no column options.
}

ReportRenderer ReportWindow::renderer() const {
    ReportRenderer renderer(m_report, m_document.texts(), QDate::currentDate());
    renderer.setSubtitle(m_subtitle);
    renderer.setLabelLayout(m_labelLayout);
    return renderer;
}

void ReportWindow::sb_Make_DatenPool() {
    m_document.showStatus(1, m_document.text(ReportTextId::PreparingData));
    m_report.Kind = qint16(m_document.ReportKind);
    markReportEntries(true);
    ReportBuilder builder(m_document.show, m_document.texts(), m_measurer, m_printer->paper());
    builder.setProgress([this](int cueRow, const QString& status) {
        if (!status.isEmpty())
            m_document.showStatus(1, status);
        // Only painting and timers: no command can start while the pool is
        // half built.
        if (cueRow % CuesBetweenRepaints == 0)
            QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
    });
    builder.sb_Make_DatenPool(m_report);
    setWindowTitle(m_report.ReportTitle);
    m_labelLayout = LabelLayout::sb_Label_Layout_Read();
    m_currentPage = 1;
    sb_Report_ListenSeite_Show();
    m_document.showStatus(1, QString());
}

void ReportWindow::sb_Report_ListenSeite_Show() {
    {
        const BusyCursor busy;
        m_preview->showPage(renderer(), m_report, m_currentPage);
    }
    sb_Set_Werkzeugleite_Seiten();
}

void ReportWindow::sb_Set_Werkzeugleite_Seiten() {
    const PageNavigation::Buttons buttons =
        PageNavigation::buttons(m_currentPage, m_report.PageCount);
    const bool enabled[] = {buttons.first, buttons.previous, buttons.next, buttons.last};
    for (int i = 0; i < 4; ++i)
        m_document.setCommandEnabled(PagingButtons[i], enabled[i]);
}

void ReportWindow::markReportEntries(bool open) {
    for (const auto& report : ReportEntries) {
        const bool shown = open && report.kind == m_report.Kind;
        m_document.setCommandChecked(report.entry, open, shown);
        // The report on show cannot be chosen again; the other one switches.
        m_document.setCommandEnabled(report.entry, !shown);
    }
}

void ReportWindow::reportChange() {
    m_subtitle.clear();
    m_currentPage = 1;
    m_report.LayoutChanged = false;
    m_report.PoolStale = true;
    m_lastExportFile.clear();
    sb_Make_DatenPool();
}

void ReportWindow::openPrintDialog() {
    PrintDialog dialog(m_document, *m_printer, m_currentPage, this);
    if (dialog.exec() != QDialog::Accepted)
        return;
    m_copiesText = dialog.copiesText();
    m_rangeTag = dialog.rangeTag();
}

void ReportWindow::startPrinting() {
    const PrintChoice choice = PrintChoice::fromDialog(m_copiesText, m_rangeTag);
    m_printer->setPortrait(m_report.IsPortrait);
    const ReportRenderer pages = renderer();
    if (pages.pagesToPrint(choice, m_currentPage) == 0)
        return;
    if (m_printer->pdfTarget())
        return printToPdf(choice);
    bool printed = false;
    {
        const BusyCursor busy;
        printed = m_printer->print(
            [&](PrintTarget& target) {
                pages.sb_Report_ListenSeite_Print(target, choice, m_currentPage);
            },
            m_report.Geometry, m_report.IsPortrait, m_report.ReportTitle);
    }
    if (!printed)
        m_document.prompter.warn(m_document.text(ReportUiTextId::PrinterRefused),
                                 m_document.text(ReportUiTextId::WarningTitle));
}

QString ReportWindow::dialogDirectory() const {
    const QString& project = m_document.show.state.ProjectPath;
    if (!project.isEmpty())
        return QFileInfo(project).absolutePath();
    if (!m_document.settings().projectDirectory.isEmpty())
        return m_document.settings().projectDirectory;
    return m_document.home.projectsDirectory();
}

void ReportWindow::printToPdf(const PrintChoice& choice) {
    const QString proposed =
        m_lastPdfFile.isEmpty()
            ? QDir(dialogDirectory()).filePath(m_report.ReportTitle + QStringLiteral(".pdf"))
            : m_lastPdfFile;
    const std::optional<QString> chosen = m_document.fileDialogs.saveFile(
        dialogDirectory(), proposed, m_document.text(ReportUiTextId::PdfFilter),
        QStringLiteral("pdf"));
    if (!chosen)
        return;
    const QString& path = *chosen;
    m_lastPdfFile = path;
    FileError error;
    {
        const BusyCursor busy;
        error = ReportPdf::save(m_report, m_document.texts(), QDate::currentDate(), path, choice,
                                m_currentPage);
    }
    if (error)
        m_document.ShowErrorMessage(error);
}

void ReportWindow::sb_Export_Report() {
    const bool workbooks = m_document.SpreadsheetAvailable;
    const QString filter =
        (workbooks ? m_document.text(ReportUiTextId::WorkbookFilter) : QString()) +
        m_document.text(ReportUiTextId::TextFileFilter);
    // No suffix: the ending the user types chooses what is written.
    const std::optional<QString> chosen =
        m_document.fileDialogs.saveFile(dialogDirectory(), m_lastExportFile, filter, QString());
    if (!chosen)
        return;
    m_lastExportFile = *chosen;
    ExportFileKind kind = exportFileKind(*chosen);
    if (kind == ExportFileKind::Workbook && !workbooks)
        kind = ExportFileKind::None;
    if (kind == ExportFileKind::None) {
        // A name of no offered type would write nothing; say so rather than
        // let the user look for a file that is not there.
        m_document.prompter.warn(m_document.text(ReportUiTextId::ExportRefused),
                                 m_document.text(ReportUiTextId::WarningTitle));
        return;
    }
    ReportExporter::Outcome outcome;
    {
        const BusyCursor busy;
        m_document.showStatus(1, m_document.text(ReportUiTextId::ExportingStatus));
        outcome = ReportExporter::sb_Export_Report(m_report, *chosen);
        m_document.showStatus(1, QString());
    }
    if (outcome.error)
        m_document.ShowErrorMessage(outcome.error);
}

void ReportWindow::unload() {
    m_unloaded = true;
    m_timer->stop();
    m_document.show.state.PendingCommand.clear();
    m_document.ReportKind = NoReport;
    markReportEntries(false);
    emit closed();
    deleteLater();
}

} // namespace zyn
