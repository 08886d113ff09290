// The report window in the main window: toolbars and menus while it is open,
// paging, switching the kind, printing through the print dialog, export.
#include "UiTestSupport.h"
#include "editor/ui/EditorWindow.h"
#include "fakes/QtPrinters.h"
#include "reports/ui/PrintDialog.h"
#include "reports/ui/PrintIcons.h"
#include "reports/ui/ReportPreview.h"
#include "reports/ui/ReportPrinter.h"
#include "reports/ui/ReportWindow.h"

#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QElapsedTimer>
#include <QLabel>
#include <QLineEdit>
#include <QPrinter>
#include <QPushButton>
#include <QRadioButton>
#include <QRegularExpression>
#include <QTimer>
#include <QToolBar>
#include <functional>

using namespace zyn;
using namespace zyn::test;

namespace {

const char* const ReportMenus[] = {"mnukeyDatei", "mnukeyEdit", "mnukeyTransfer"};

int pdfPages(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return -1;
    return int(QString::fromLatin1(file.readAll())
                   .count(QRegularExpression(QStringLiteral("/Type /Page\\b(?!s)"))));
}

QImage iconImage(const QIcon& icon) {
    return icon.pixmap(24, 24).toImage();
}

class ReportWindowScenario : public UiTest {
protected:
    ReportWindow* report() const { return find<ReportWindow>("frm_Reports"); }
    QAction* action(const char* name) const { return window->action(QLatin1String(name)); }

    // Opens a report through its menu command.
    ReportWindow* open(const char* command) {
        window->ExecuteCommand(QLatin1String(command));
        return report();
    }

    // Presses a report toolbar button and waits until the window's timer
    // took the command.
    void press(const char* button) {
        action(button)->trigger();
        EXPECT_TRUE(QTest::qWaitFor([&] { return document->show.state.PendingCommand.isEmpty(); }))
            << button;
        settle();
    }

    // Runs `act` on the modal dialog of that name as soon as it is open.
    static void whenModal(const QString& name, std::function<void(QDialog&)> act) {
        auto* poll = new QTimer;
        auto* clock = new QElapsedTimer;
        clock->start();
        poll->setInterval(5);
        QObject::connect(poll, &QTimer::timeout, [=] {
            auto* dialog = qobject_cast<QDialog*>(QApplication::activeModalWidget());
            const bool found = dialog && dialog->objectName() == name;
            if (found || clock->elapsed() > 5000) {
                poll->stop();
                poll->deleteLater();
                delete clock;
            }
            if (found)
                act(*dialog);
        });
        poll->start();
    }

    // A time list that fills three pages.
    void threePagesOfCues() {
        ReportWindow* opened = open("keyAusgabeTimeList");
        ASSERT_NE(opened, nullptr);
        const int rowsPerPage = opened->report().RowsPerPage;
        press("OK");
        for (int r = 1; r <= 2 * rowsPerPage + 1; ++r)
            document->show.cues.row(r).Description = QStringLiteral("Cue %1").arg(r);
    }

    void expectEditingRestored() {
        EXPECT_EQ(document->ReportKind, 0);
        EXPECT_TRUE(find<QToolBar>("ToolbarZYN")->isVisible());
        EXPECT_FALSE(find<QToolBar>("ToolbarBerichte")->isVisible());
        for (const char* menu : ReportMenus)
            EXPECT_TRUE(action(menu)->isEnabled()) << menu;
        for (const char* entry : {"mnukeyAusgabeChannelList", "mnukeyAusgabeTimeList"}) {
            EXPECT_TRUE(action(entry)->isEnabled()) << entry;
            EXPECT_FALSE(action(entry)->isChecked()) << entry;
        }
        EXPECT_TRUE(window->editor().isVisible());
    }
};

TEST_F(ReportWindowScenario, AnOpenReportTakesOverTheMainWindowUntilItCloses) {
    const struct {
        const char* command;
        int kind;
        const char* entry;
        const char* other;
        int title;
    } reports[] = {
        {"keyAusgabeChannelList", 200, "mnukeyAusgabeChannelList", "mnukeyAusgabeTimeList", 209},
        {"keyAusgabeTimeList", 201, "mnukeyAusgabeTimeList", "mnukeyAusgabeChannelList", 210},
    };
    bool newShow = false;
    window->setStartDialogRunner([&] { newShow = true; });
    for (const auto& r : reports) {
        SCOPED_TRACE(r.command);
        ReportWindow* opened = open(r.command);
        ASSERT_NE(opened, nullptr);
        EXPECT_TRUE(opened->isVisible());
        EXPECT_FALSE(window->editor().isVisible());
        EXPECT_EQ(document->ReportKind, r.kind);
        EXPECT_EQ(opened->report().Kind, r.kind);
        EXPECT_EQ(opened->windowTitle(), text(r.title));
        EXPECT_FALSE(find<QToolBar>("ToolbarZYN")->isVisible());
        EXPECT_TRUE(find<QToolBar>("ToolbarBerichte")->isVisible());
        for (const char* menu : ReportMenus)
            EXPECT_FALSE(action(menu)->isEnabled()) << menu;
        EXPECT_TRUE(action(r.entry)->isChecked());
        EXPECT_FALSE(action(r.entry)->isEnabled());
        EXPECT_FALSE(action(r.other)->isChecked());
        EXPECT_TRUE(action(r.other)->isEnabled());
        EXPECT_FALSE(opened->preview().page().isNull());

        window->close();
        EXPECT_TRUE(window->isVisible());
        // The file menu's shortcuts rest with the menu.
        newShow = false;
        QTest::keyClick(window.get(), Qt::Key_N, Qt::ControlModifier);
        EXPECT_FALSE(newShow);

        press("OK");
        EXPECT_EQ(report(), nullptr);
        expectEditingRestored();
        EXPECT_TRUE(document->show.state.PendingCommand.isEmpty());
        QTest::keyClick(window.get(), Qt::Key_N, Qt::ControlModifier);
        EXPECT_TRUE(newShow);
    }
    EXPECT_TRUE(prompter.shown().isEmpty());
    window->setStartDialogRunner({});
}

TEST_F(ReportWindowScenario, PagingStaysWithinTheReportAndTheButtonsFollow) {
    ReportWindow* opened = open("keyAusgabeChannelList");
    ASSERT_NE(opened, nullptr);
    const int last = opened->report().PageCount;
    ASSERT_GE(last, 3);
    const auto buttons = [&] {
        QString states;
        for (const char* key : {"SEITESTART", "SEITEVOR", "SEITEWEITER", "SEITEENDE"})
            states += action(key)->isEnabled() ? u'1' : u'0';
        return states;
    };
    const struct {
        const char* button;
        int page; // 0: the last page
        const char* buttons;
    } steps[] = {
        {"SEITEWEITER", 2, "1111"}, {"SEITEENDE", 0, "1100"},   {"SEITEVOR", -1, "1111"},
        {"SEITESTART", 1, "0011"},  {"SEITEWEITER", 2, "1111"},
    };
    EXPECT_EQ(opened->currentPage(), 1);
    EXPECT_EQ(buttons(), "0011");
    for (const auto& step : steps) {
        SCOPED_TRACE(step.button);
        const QImage before = opened->preview().page();
        press(step.button);
        const int expected = step.page == 0 ? last : step.page < 0 ? last - 1 : step.page;
        EXPECT_EQ(opened->currentPage(), expected);
        EXPECT_EQ(buttons(), step.buttons);
        EXPECT_NE(opened->preview().page(), before);
    }

    // A report of one page offers no paging at all.
    window->ExecuteCommand("keyAusgabeTimeList");
    ASSERT_TRUE(QTest::qWaitFor([&] { return opened->report().Kind == 201; }));
    EXPECT_EQ(opened->report().PageCount, 1);
    EXPECT_EQ(opened->currentPage(), 1);
    EXPECT_EQ(buttons(), "0000");
}

TEST_F(ReportWindowScenario, ChoosingTheOtherReportSwitchesTheOpenWindow) {
    document->show.cues.row(1).Description = "Opening";
    ReportWindow* opened = open("keyAusgabeChannelList");
    ASSERT_NE(opened, nullptr);
    press("SEITEWEITER");
    ASSERT_EQ(opened->currentPage(), 2);

    window->ExecuteCommand("keyAusgabeTimeList");
    EXPECT_EQ(document->ReportKind, 201);
    ASSERT_TRUE(QTest::qWaitFor([&] { return opened->report().Kind == 201; }));
    EXPECT_EQ(report(), opened);
    EXPECT_EQ(opened->currentPage(), 1);
    EXPECT_EQ(opened->report().RowCount, 1);
    EXPECT_EQ(opened->windowTitle(), text(210));
    EXPECT_TRUE(action("mnukeyAusgabeTimeList")->isChecked());
    EXPECT_FALSE(action("mnukeyAusgabeChannelList")->isChecked());
    EXPECT_TRUE(action("mnukeyAusgabeChannelList")->isEnabled());

    press("OK");
    expectEditingRestored();
}

TEST_F(ReportWindowScenario, PrintingToAPdfFileTakesEveryCopyInOneDocument) {
    threePagesOfCues();
    ReportWindow* opened = open("keyAusgabeTimeList");
    ASSERT_NE(opened, nullptr);
    ASSERT_EQ(opened->report().PageCount, 3);

    // The file name as chosen, and as written: ".pdf" is added to a bare name.
    const auto print = [&](const QString& copies, const char* option, const QString& chosen,
                           const QString& pdf) {
        whenModal("Daten_drucken", [&](QDialog& dialog) {
            auto* printers = dialog.findChild<QComboBox*>("ImageCombo1");
            printers->setCurrentIndex(printers->findText(text(290)));
            dialog.findChild<QLineEdit*>("Exemplare")->setText(copies);
            dialog.findChild<QRadioButton*>(QLatin1String(option))->setChecked(true);
            dialog.findChild<QPushButton*>("Drucke")->click();
        });
        files.choose(chosen);
        action("Drucken")->trigger();
        ASSERT_TRUE(QTest::qWaitFor([&] { return QFile::exists(pdf); })) << pdf.toStdString();
    };

    print("2", "OptionSide0", path("all.pdf"), path("all.pdf"));
    EXPECT_EQ(pdfPages(path("all.pdf")), 6);
    EXPECT_EQ(files.lastFilter, text(292));

    press("SEITEWEITER");
    print("1", "OptionSide1", path("current"), path("current.pdf"));
    EXPECT_EQ(pdfPages(path("current.pdf")), 1);
    EXPECT_EQ(opened->currentPage(), 2);

    // Cancelling the dialog prints nothing and asks for no file.
    const int dialogsBefore = files.opened;
    whenModal("Daten_drucken",
              [](QDialog& dialog) { dialog.findChild<QPushButton*>("Druck_abbrechen")->click(); });
    press("Drucken");
    settle(100);
    EXPECT_EQ(files.opened, dialogsBefore);
    EXPECT_TRUE(prompter.shown().isEmpty());
}

TEST_F(ReportWindowScenario, ExportWritesTheChosenKindAndRefusesOtherNames) {
    document->show.cues.row(1).Description = "3,5 inch";
    document->SpreadsheetAvailable = true;
    ReportWindow* opened = open("keyAusgabeTimeList");
    ASSERT_NE(opened, nullptr);

    files.choose(path("times.xlt"));
    press("EXPORT");
    EXPECT_EQ(files.lastFilter, text(222) + text(221));
    QFile xlt(path("times.xlt"));
    ASSERT_TRUE(xlt.open(QIODevice::ReadOnly));
    const QByteArray content = xlt.readAll();
    EXPECT_TRUE(content.startsWith(text(210).toLatin1() + "\r\n"));
    EXPECT_TRUE(content.contains("\t 3.5 inch\t"));

    files.choose(path("times.xlsx"));
    press("EXPORT");
    QFile xlsx(path("times.xlsx"));
    ASSERT_TRUE(xlsx.open(QIODevice::ReadOnly));
    EXPECT_TRUE(xlsx.read(2) == "PK");
    EXPECT_TRUE(prompter.shown().isEmpty());
    EXPECT_TRUE(window->statusPanel(1).isEmpty());

    // Without workbooks only the text file is offered; any other name is
    // refused aloud instead of silently writing nothing.
    document->SpreadsheetAvailable = false;
    for (const char* name : {"refused.xlsx", "refused.ods", "refused"}) {
        SCOPED_TRACE(name);
        prompter.clear();
        files.choose(path(QLatin1String(name)));
        press("EXPORT");
        EXPECT_EQ(files.lastFilter, text(221));
        EXPECT_FALSE(QFile::exists(path(QLatin1String(name))));
        ASSERT_EQ(prompter.shown().size(), 1);
        EXPECT_EQ(prompter.shown().first().text, text(291));
        EXPECT_EQ(prompter.shown().first().title, text(10));
    }

    prompter.clear();
    files.choose(QString()); // cancelled
    press("EXPORT");
    EXPECT_TRUE(prompter.shown().isEmpty());
}

class PrintDialogScenario : public UiTest {
protected:
    static QList<PrinterEntry> printers() {
        return {
            {"FAX-Office", "\\\\server\\fax", "Fax driver", false, false},
            {"fax2", "usb://fax", "Fax driver", false, false},
            {"Laser", "LPT1:", "Laser driver", false, true},
            {"Queue", "ipp://host/queue", "Remote driver", true, false},
        };
    }
};

TEST_F(PrintDialogScenario, ListsEveryPrinterWithItsKindAndThePdfFileLast) {
    ReportPrinter printer(printers);
    PrintDialog dialog(*document, printer, 2);
    auto* list = child<QComboBox>(dialog, "ImageCombo1");
    ASSERT_EQ(list->count(), 5);
    const PrinterEntry::Kind kinds[] = {PrinterEntry::Kind::Network, PrinterEntry::Kind::Fax,
                                        PrinterEntry::Kind::Printer, PrinterEntry::Kind::Network};
    for (int i = 0; i < 4; ++i) {
        SCOPED_TRACE(i);
        EXPECT_EQ(list->itemText(i), printers()[i].name);
        EXPECT_EQ(iconImage(list->itemIcon(i)), iconImage(PrintIcons::printer(kinds[i])));
    }
    EXPECT_EQ(list->itemText(4), text(290));
    EXPECT_EQ(iconImage(list->itemIcon(4)), iconImage(PrintIcons::pdfFile()));
    EXPECT_NE(iconImage(PrintIcons::printer(PrinterEntry::Kind::Fax)),
              iconImage(PrintIcons::printer(PrinterEntry::Kind::Network)));

    // The default printer is current until another is chosen.
    EXPECT_EQ(list->currentText(), "Laser");
    EXPECT_EQ(child<QLabel>(dialog, "LabelOrt")->text(), "LPT1:");
    EXPECT_EQ(child<QLabel>(dialog, "LabelTreiber")->text(), "Laser driver");
    list->setCurrentIndex(4);
    EXPECT_TRUE(printer.pdfTarget());
    EXPECT_EQ(child<QLabel>(dialog, "LabelOrt")->text(), "");
    EXPECT_EQ(child<QPushButton>(dialog, "Drucke")->text(), "&" + text(207));
    EXPECT_EQ(child<QLineEdit>(dialog, "Text_Seite")->text(), "2");
}

TEST_F(PrintDialogScenario, PrintWaitsForCopiesAndAPageThatPrintSomething) {
    ReportPrinter printer([] { return QList<PrinterEntry>(); });
    PrintDialog dialog(*document, printer, 1);
    auto* print = child<QPushButton>(dialog, "Drucke");
    auto* copies = child<QLineEdit>(dialog, "Exemplare");
    auto* page = child<QLineEdit>(dialog, "Text_Seite");
    EXPECT_TRUE(print->isEnabled());
    for (const char* typed : {"0", ""}) {
        copies->setText(QLatin1String(typed));
        EXPECT_FALSE(print->isEnabled()) << typed;
    }
    copies->setText("2");
    EXPECT_FALSE(page->isEnabled());
    child<QRadioButton>(dialog, "OptionSide2")->setChecked(true);
    EXPECT_TRUE(page->isEnabled());
    page->clear();
    EXPECT_FALSE(print->isEnabled());
    page->setText("7");
    EXPECT_TRUE(print->isEnabled());

    print->click();
    EXPECT_EQ(dialog.result(), QDialog::Accepted);
    EXPECT_EQ(document->show.state.PendingCommand, "REPORT_PRINTING_START");
    EXPECT_EQ(dialog.copiesText(), "2");
    EXPECT_EQ(dialog.rangeTag(), "7");
    document->show.state.PendingCommand.clear();
}

TEST_F(PrintDialogScenario, PageSetupShowsTheNewOrientationAndCancellingKeepsTheOld) {
    ReportPrinter printer([] { return QList<PrinterEntry>(); });
    ASSERT_TRUE(printer.pdfTarget());
    // No printer answers for a PDF file that was never set up: A4 fallback.
    EXPECT_FALSE(printer.paper().answered());
    bool accept = false;
    printer.setSetupDialog([&](QPrinter& target, QWidget*) {
        target.setPageSize(QPageSize(QPageSize::Letter));
        target.setPageOrientation(QPageLayout::Landscape);
        return accept;
    });
    PrintDialog dialog(*document, printer, 1);
    dialog.show();
    auto* portrait = child<QLabel>(dialog, "Image1");
    auto* landscape = child<QLabel>(dialog, "Image2");
    EXPECT_TRUE(portrait->isVisible());
    EXPECT_FALSE(landscape->isVisible());

    child<QPushButton>(dialog, "CommandDrucker")->click();
    EXPECT_TRUE(portrait->isVisible());
    EXPECT_FALSE(printer.paper().answered());

    accept = true;
    child<QPushButton>(dialog, "CommandDrucker")->click();
    EXPECT_FALSE(portrait->isVisible());
    EXPECT_TRUE(landscape->isVisible());
    // Read as portrait, whichever way the sheet lies.
    const PaperReading letter = printer.paper();
    EXPECT_NEAR(letter.paperWidth, 215.9 * PaperGeometry::TwipsPerMm, 2);
    EXPECT_NEAR(letter.paperHeight, 279.4 * PaperGeometry::TwipsPerMm, 2);
}

} // namespace
