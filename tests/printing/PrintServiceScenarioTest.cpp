// A report printed from the report window through a real print service: the
// print dialog lists the service's queues, and the job goes through its
// filters to a virtual PDF printer whose file is read back.
#include "fakes/CupsService.h"
#include "fakes/QtPrinters.h"
#include "fakes/ServiceRequirement.h"
#include "reports/ReportTextId.h"
#include "reports/ui/ReportWindow.h"
#include "ui/UiTestSupport.h"

#include <QAction>
#include <QComboBox>
#include <QFileInfo>
#include <QLabel>
#include <QLineEdit>
#include <QProcess>
#include <QPushButton>
#include <QRadioButton>
#include <QRegularExpression>

using namespace zyn;
using namespace zyn::test;

namespace {

const QString Queue = QStringLiteral("ZynPdf");
const QString QueueLocation = QStringLiteral("Firing desk");
constexpr int JobTimeoutMs = 60000;

// The text of each page of a PDF, read back as a reader of it would.
QStringList pdfPages(const QString& path) {
    QProcess reader;
    reader.start(QStringLiteral("pdftotext"),
                 {QStringLiteral("-layout"), path, QStringLiteral("-")});
    if (!reader.waitForFinished(JobTimeoutMs) || reader.exitCode() != 0)
        return {QStringLiteral("pdftotext failed (package poppler-utils): ") +
                QString::fromLocal8Bit(reader.readAllStandardError())};
    QStringList pages = QString::fromUtf8(reader.readAllStandardOutput()).split(u'\f');
    if (!pages.isEmpty() && pages.last().trimmed().isEmpty())
        pages.removeLast();
    return pages;
}

class PrintService : public UiTest {
protected:
    static void SetUpTestSuite() {
        const QString folder = QFileInfo(qEnvironmentVariable("CUPS_SERVER")).path();
        service = std::make_unique<CupsService>(folder, Queue, QueueLocation);
    }
    static void TearDownTestSuite() { service.reset(); }

    void SetUp() override {
        UiTest::SetUp();
        if (HasFatalFailure())
            return;
        ZYN_REQUIRE_SERVICE(service->available(), service->why().toStdString());
    }

    QAction* action(const char* name) const { return window->action(QLatin1String(name)); }

    ReportWindow* openTimeList() {
        window->ExecuteCommand(QStringLiteral("keyAusgabeTimeList"));
        return find<ReportWindow>(QStringLiteral("frm_Reports"));
    }

    void closeReport() {
        action("OK")->trigger();
        EXPECT_TRUE(QTest::qWaitFor([&] { return document->ReportKind == NoReport; }));
    }

    QString pageLabel(int page, int pages) const {
        return QStringLiteral("%1 %2 / %3").arg(text(ReportTextId::PageLabel)).arg(page).arg(pages);
    }

    static inline std::unique_ptr<CupsService> service;
};

TEST_F(PrintService, ATimeListPrintedOnTheQueueArrivesWithItsCopiesAndPages) {
    ReportWindow* report = openTimeList();
    ASSERT_NE(report, nullptr);
    const int cues = report->report().RowsPerPage + 1;
    closeReport();
    for (int r = 1; r <= cues; ++r)
        document->show.cues.row(r).Description = QStringLiteral("Volley %1").arg(r);
    report = openTimeList();
    ASSERT_NE(report, nullptr);
    ASSERT_EQ(report->report().PageCount, 2);

    const struct {
        const char* copies;
        const char* range;
        const char* page;
        QList<int> sheets; // the report page on each printed sheet
    } jobs[] = {
        {"2", "OptionSide0", "", {1, 2, 1, 2}},
        {"1", "OptionSide2", "2", {2}},
    };
    for (const auto& job : jobs) {
        SCOPED_TRACE(job.range);
        const QStringList before = service->pdfFiles();
        QString port;
        QString driver;
        onModal([&](QWidget* dialog) {
            auto* printers = dialog->findChild<QComboBox*>(QStringLiteral("ImageCombo1"));
            printers->setCurrentIndex(printers->findText(Queue));
            port = dialog->findChild<QLabel*>(QStringLiteral("LabelOrt"))->text();
            driver = dialog->findChild<QLabel*>(QStringLiteral("LabelTreiber"))->text();
            dialog->findChild<QLineEdit*>(QStringLiteral("Exemplare"))
                ->setText(QLatin1String(job.copies));
            dialog->findChild<QRadioButton*>(QLatin1String(job.range))->setChecked(true);
            if (*job.page)
                dialog->findChild<QLineEdit*>(QStringLiteral("Text_Seite"))
                    ->setText(QLatin1String(job.page));
            dialog->findChild<QPushButton*>(QStringLiteral("Drucke"))->click();
        });
        action("Drucken")->trigger();
        const bool arrived = QTest::qWaitFor(
            [&] { return service->pdfFiles().size() > before.size(); }, JobTimeoutMs);
        ASSERT_TRUE(arrived && service->waitUntilIdle(JobTimeoutMs))
            << "no PDF from the queue\n"
            << service->logTail().toStdString();
        EXPECT_EQ(port, QueueLocation);
        EXPECT_TRUE(driver.contains(QStringLiteral("CUPS-PDF"))) << driver.toStdString();
        EXPECT_TRUE(prompter.shown().isEmpty());

        const QStringList pages = pdfPages(service->pdfFiles().last());
        ASSERT_EQ(pages.size(), job.sheets.size()) << pages.join(u'\f').toStdString();
        for (int i = 0; i < pages.size(); ++i) {
            SCOPED_TRACE(i);
            const int page = job.sheets[i];
            EXPECT_TRUE(pages[i].contains(pageLabel(page, 2))) << pages[i].toStdString();
            const int cue = page == 1 ? 1 : cues;
            EXPECT_TRUE(
                pages[i].contains(QRegularExpression(QStringLiteral("Volley %1\\b").arg(cue))))
                << pages[i].toStdString();
        }
    }
}

} // namespace
