#pragma once

#include "reports/LabelLayout.h"
#include "reports/Report.h"
#include "reports/render/FontMeasurer.h"

#include <QWidget>
#include <memory>

class QTimer;

namespace zyn {

class ShowDocument;
class ReportPreview;
class ReportPrinter;
class ReportRenderer;
struct PrintChoice;

// frm_Reports: the report of ReportKind (channel list or time list) in the
// main window, in the editor's place, with the report toolbar instead of the
// editing toolbar and the file, edit and transfer menus at rest. It takes
// the report toolbar's commands from PendingCommand on its own timer, one at
// a time, and restores the main window when it closes.
//
// The pool is read from the show when the window opens and when the kind
// changes; the preview always shows a page the report has.
class ReportWindow : public QWidget {
    Q_OBJECT

public:
    // How often the window looks for a command, in milliseconds.
    static constexpr int PollInterval = 20;

    ReportWindow(ShowDocument& document, std::shared_ptr<ReportPrinter> printer,
                 QWidget* parent = nullptr);
    ~ReportWindow() override;

    const Report& report() const { return m_report; }
    int currentPage() const { return m_currentPage; }
    const ReportPreview& preview() const { return *m_preview; }

    // Opens the report of document.ReportKind in the window.
    void open();

signals:
    // The window wants the editor's place, and gives it back.
    void opened();
    void closed();

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    void runPendingCommand();
    void handle(const QString& code);
    void sb_Make_DatenPool();
    void sb_Report_ListenSeite_Show();
    void sb_Set_Werkzeugleite_Seiten();
    void reportChange();
    void openPrintDialog();
    void startPrinting();
    void printToPdf(const PrintChoice& choice);
    void sb_Export_Report();
    void unload();
    void markReportEntries(bool open);
    ReportRenderer renderer() const;
    QString dialogDirectory() const;

    ShowDocument& m_document;
    std::shared_ptr<ReportPrinter> m_printer;
    FontMeasurer m_measurer;
    Report m_report;
    int m_currentPage = 1;
    QString m_subtitle;
    LabelLayout m_labelLayout;
    // What the print dialog chose last: the copies field and the range tag.
    QString m_copiesText = QStringLiteral("1");
    QString m_rangeTag = QStringLiteral("ALL");
    QString m_lastExportFile;
    QString m_lastPdfFile;
    ReportPreview* m_preview = nullptr;
    QTimer* m_timer = nullptr;
    bool m_busy = false;
    bool m_unloaded = false;
};

} // namespace zyn
