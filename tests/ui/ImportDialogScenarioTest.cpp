// The cue-list import dialog: from the menu command to the show in the editor.
#include "UiTestSupport.h"
#include "editor/ui/CueGridModel.h"
#include "editor/ui/ShowGridView.h"
#include "fakes/QtPrinters.h"
#include "import/ui/ImportDialog.h"
#include "platform/spreadsheet/LocalSpreadsheetEngine.h"
#include "ui/WindowTitle.h"

#include <QAbstractItemModelTester>
#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QFile>
#include <QLabel>
#include <QTableView>
#include <QTimer>
#include <functional>

using namespace zyn;
using namespace zyn::test;

namespace {

constexpr int Workbooks = 1;
constexpr int TextFiles = 2;

class ImportDialogScenario : public UiTest {
protected:
    void SetUp() override {
        UiTest::SetUp();
        document->show.cues.row(1).Description = QStringLiteral("kept");
    }

    QString writeFile(const QString& name, const QByteArray& content) const {
        QFile file(path(name));
        EXPECT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(content);
        return path(name);
    }

    static QString fixture(const char* folder, const char* extension) {
        return dataDir(QStringLiteral("import/%1/cues.%2")
                           .arg(QLatin1String(folder), QLatin1String(extension)));
    }

    // Runs the import command; `drive` works the dialog once it is shown.
    // Whatever happens in it, the dialog is closed afterwards, so a failed
    // check cannot leave the test waiting on a modal window.
    bool runImport(const std::function<void(ImportDialog&)>& drive) {
        bool opened = false;
        QTimer::singleShot(0, [&] {
            auto* dialog = qobject_cast<ImportDialog*>(QApplication::activeModalWidget());
            if (!dialog)
                return;
            opened = true;
            struct Closer {
                ImportDialog* dialog;
                ~Closer() {
                    if (dialog->isVisible())
                        dialog->reject();
                }
            } closer{dialog};
            drive(*dialog);
        });
        window->ExecuteCommand(QStringLiteral("keyDateiImport"));
        settle(1); // the check runs now if no dialog ran an event loop for it
        return opened;
    }

    static QAction* button(QWidget& dialog, const char* key) {
        return dialog.findChild<QAction*>(QLatin1String(key));
    }
    static void click(QWidget& dialog, const char* key) { button(dialog, key)->trigger(); }
    static void choose(QWidget& dialog, const char* chooser, const char* header) {
        auto* box = child<QComboBox>(dialog, chooser);
        box->setCurrentIndex(box->findText(QLatin1String(header)));
    }

    // The preview as "time|description|module|channel|security" per row.
    static QStringList preview(QWidget& dialog) {
        const QAbstractItemModel* model = child<QTableView>(dialog, "MSHFlexGrid_Data")->model();
        QStringList rows;
        for (int r = 0; r < model->rowCount(); ++r) {
            QStringList cells;
            for (int c = 0; c < model->columnCount(); ++c)
                cells.append(model->index(r, c).data().toString());
            rows.append(cells.join(u'|'));
        }
        return rows;
    }

    static bool rowCommandsEnabled(QWidget& dialog) {
        const bool write = button(dialog, "WRITE")->isEnabled();
        EXPECT_EQ(button(dialog, "DELETE")->isEnabled(), write);
        EXPECT_EQ(button(dialog, "CLEAR")->isEnabled(), write);
        return write;
    }

    LocalSpreadsheetEngine engine;
};

TEST_F(ImportDialogScenario, TheCommandAsksBeforeReplacingAChangedShow) {
    EXPECT_EQ(document->SpreadsheetAvailable, engine.available());
    ASSERT_TRUE(document->SpreadsheetAvailable);
    document->show.state.ShowChanged = true;
    prompter.answer({false});
    EXPECT_FALSE(runImport([](ImportDialog&) {}));
    EXPECT_EQ(prompter.shown().last().text, text(6));

    prompter.answer({true});
    const bool opened = runImport([&](ImportDialog& dialog) {
        EXPECT_EQ(QGuiApplication::overrideCursor(), nullptr);
        EXPECT_EQ(dialog.windowTitle(), WindowTitle::base() + " - " + text(178));
        EXPECT_EQ(child<QLabel>(dialog, "Label_File")->text(), text(180));
        const char* keys[] = {"Open", "IMPORT", "WRITE", "DELETE", "CLEAR"};
        const int tooltips[] = {179, 182, 183, 184, 185};
        for (int i = 0; i < 5; ++i) {
            EXPECT_EQ(button(dialog, keys[i])->toolTip(), text(tooltips[i])) << keys[i];
            EXPECT_EQ(button(dialog, keys[i])->isEnabled(), i == 0) << keys[i];
        }
    });
    EXPECT_TRUE(opened);
    EXPECT_EQ(document->show.cues.row(1).Description, "kept");
    EXPECT_TRUE(document->show.state.ShowChanged);
}

TEST_F(ImportDialogScenario, AMappedWorkbookBecomesTheShowInTheEditor) {
    document->show.state.ProjectPath = path("old.zyn");
    window->setDocumentTitle(path("old.zyn"));
    files.choose(fixture("mapped", "xlsx"), Workbooks);
    runImport([&](ImportDialog& dialog) {
        click(dialog, "Open");
        EXPECT_EQ(files.lastFilter, text(222) + text(223));
        EXPECT_EQ(child<QLabel>(dialog, "Label_File")->text(),
                  QDir::toNativeSeparators(fixture("mapped", "xlsx")));
        auto* time = child<QComboBox>(dialog, "Combo_ZeitSpalte");
        EXPECT_TRUE(time->isEnabled());
        ASSERT_EQ(time->count(), 6);
        EXPECT_EQ(time->itemText(0), "");
        EXPECT_EQ(time->itemText(5), "Security");
        choose(dialog, "Combo_ZeitSpalte", "Time");
        choose(dialog, "Combo_Desc", "Effect");
        choose(dialog, "Combo_Box", "Slave");
        choose(dialog, "Combo_Channel", "Channel");
        choose(dialog, "Combo_Sicherheit", "Security");
        child<QCheckBox>(dialog, "CheckTimeMerge")->setChecked(true);
        click(dialog, "IMPORT");
        const QStringList rows = preview(dialog);
        ASSERT_EQ(rows.size(), 7);
        EXPECT_EQ(rows[0], "00:00:05:250|Comet red|3|7|2");
        EXPECT_TRUE(rowCommandsEnabled(dialog));
        click(dialog, "WRITE");
        EXPECT_FALSE(dialog.isVisible());
    });
    const Show& show = document->show;
    EXPECT_EQ(show.cues.row(1).TimeText, "00:00:05:25");
    EXPECT_EQ(show.cues.row(1).Description, "Comet red, Time typed as text");
    EXPECT_EQ(show.ics.cell(3, 7), "1-2");
    EXPECT_EQ(show.ics.cell(1, 2), "1");
    EXPECT_TRUE(show.state.ShowChanged);
    EXPECT_EQ(show.state.ProjectPath, "");
    EXPECT_EQ(window->windowTitle(), WindowTitle::withDocument(text(155)));
    EXPECT_FALSE(window->action("mnukeyDateiSave")->isEnabled());
    const QAbstractItemModel* cues = find<ShowGridView>("MSHFlexGrid_Time")->model();
    EXPECT_EQ(cues->index(0, CueGridModel::DescriptionColumn).data().toString(),
              "Comet red, Time typed as text");

    // The import is one undo step: the show before it comes back whole.
    ASSERT_TRUE(window->action("mnukeyEditUndo")->isEnabled());
    window->ExecuteCommand("keyEditUndo");
    settle();
    EXPECT_EQ(show.cues.row(1).Description, "kept");
    EXPECT_EQ(show.ics.cell(3, 7), "");
    EXPECT_EQ(cues->index(0, CueGridModel::DescriptionColumn).data().toString(), "kept");
}

TEST_F(ImportDialogScenario, FixedLayoutRowsAddUpUntilCleared) {
    ImportDialog dialog(*document, engine, window.get());
    files.choose(fixture("fixed", "ods"), Workbooks);
    click(dialog, "Open");
    auto* fixed = child<QCheckBox>(dialog, "CheckFileformat");
    auto* time = child<QComboBox>(dialog, "Combo_ZeitSpalte");
    ASSERT_TRUE(fixed->isEnabled());
    EXPECT_TRUE(time->isEnabled());
    fixed->click();
    EXPECT_FALSE(time->isEnabled());

    click(dialog, "IMPORT");
    const QStringList once = preview(dialog);
    ASSERT_EQ(once.size(), 4);
    EXPECT_EQ(once[0], "00:00:01:500|Opening|1|1|");
    EXPECT_EQ(once[3], "00:00:10:750|Finale|12|16|3");
    click(dialog, "IMPORT");
    EXPECT_EQ(preview(dialog), once + once);

    click(dialog, "CLEAR");
    EXPECT_TRUE(preview(dialog).isEmpty());
    EXPECT_FALSE(rowCommandsEnabled(dialog));
    EXPECT_TRUE(button(dialog, "IMPORT")->isEnabled());
}

TEST_F(ImportDialogScenario, TimesReadFromAnXlsWorkbookComeWithANoteOnTheirHundredths) {
    for (const char* extension : {"xls", "ods"}) {
        SCOPED_TRACE(extension);
        prompter.clear();
        const bool xls = QLatin1String(extension) == u"xls";
        ImportDialog dialog(*document, engine, window.get());
        files.choose(fixture("fixed", extension), Workbooks);
        click(dialog, "Open");
        child<QCheckBox>(dialog, "CheckFileformat")->click();
        click(dialog, "IMPORT");
        EXPECT_EQ(preview(dialog).value(0),
                  xls ? "00:00:02:000|Opening|1|1|" : "00:00:01:500|Opening|1|1|");
        ASSERT_EQ(prompter.count(ScriptedPrompter::Kind::Warning), xls ? 1 : 0);
        if (xls) {
            EXPECT_EQ(prompter.shown().last().text, text(342));
        }
    }
}

TEST_F(ImportDialogScenario, ATextCueListIsReadAndThinnedRowByRow) {
    ImportDialog dialog(*document, engine, window.get());
    dialog.show();
    auto* grid = child<QTableView>(dialog, "MSHFlexGrid_Data");
    QAbstractItemModelTester tester(grid->model(),
                                    QAbstractItemModelTester::FailureReportingMode::Fatal);
    const QString list = writeFile("cues.csv", "x;00:00:01,5;;;;;Palm;;;;1;1\r\n"
                                               "x;00:01:02.5;a;b;c;d;Fountain;e;red;f;3;7\r\n"
                                               "x;00:01:02;;;;;No fraction;;;;2;2\r\n"
                                               "x;00:02:00,1;;;;;Too far;;;;201;1\r\n");
    files.choose(list, TextFiles);
    click(dialog, "Open");
    files.choose(QString()); // cancelled: the file chosen before stays
    click(dialog, "Open");
    EXPECT_EQ(files.lastDirectory, QFileInfo(list).absolutePath());
    EXPECT_EQ(child<QLabel>(dialog, "Label_File")->text(), QDir::toNativeSeparators(list));
    EXPECT_FALSE(child<QCheckBox>(dialog, "CheckFileformat")->isEnabled());
    EXPECT_FALSE(child<QComboBox>(dialog, "Combo_Desc")->isEnabled());
    click(dialog, "IMPORT");
    EXPECT_EQ(preview(dialog),
              QStringList({"00:00:01:500|Palm|1|1|", "00:01:02:500|Fountain (red)|3|7|",
                           "00:00:00:000|No fraction|2|2|", "00:02:00:100|Too far|201|1|"}));
    const QAbstractItemModel* model = grid->model();
    EXPECT_FALSE(model->index(0, 0).data(Qt::ToolTipRole).isValid());
    EXPECT_TRUE(model->index(3, 1).data(Qt::ToolTipRole).toString().endsWith(text(278)));
    EXPECT_TRUE(model->index(3, 1).data(Qt::BackgroundRole).isValid());

    click(dialog, "DELETE"); // no current row: the header row
    EXPECT_EQ(preview(dialog).size(), 4);
    grid->setCurrentIndex(model->index(1, 0));
    click(dialog, "DELETE");
    QApplication::setActiveWindow(&dialog);
    grid->setFocus();
    QTest::keyClick(grid, Qt::Key_Delete); // the row that moved up
    EXPECT_EQ(preview(dialog),
              QStringList({"00:00:01:500|Palm|1|1|", "00:02:00:100|Too far|201|1|"}));
    click(dialog, "DELETE");
    grid->setCurrentIndex(model->index(0, 0));
    click(dialog, "DELETE");
    EXPECT_TRUE(preview(dialog).isEmpty());
    EXPECT_FALSE(rowCommandsEnabled(dialog));
}

TEST_F(ImportDialogScenario, FilesThatCannotBeReadAreReportedAndChangeNothing) {
    const QByteArray workbook = [] {
        QFile file(fixture("mapped", "xlsx"));
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    }();
    struct Case {
        const char* name;
        QByteArray content;
        int filter;
        int message;    // the text the warning starts with
        bool onOpening; // reported when the file is chosen, IMPORT stays off
    };
    const Case cases[] = {
        {"damaged.xlsx", workbook.left(3000), Workbooks, 273, true},
        {"empty.xlsx", "", Workbooks, 270, true},
        {"list.xlsx", "x;0:0:1,5;;;;;a;;;;1;1\r\n", Workbooks, 272, true},
        {"project.txt", "[ZYN600 PROJECTFILE]\r\n", TextFiles, 181, true},
        {"binary.csv", QByteArray("x;0:0:1,5") + '\0' + ";;;;;a;;;;1;1\r\n", TextFiles, 271, false},
        {"empty.csv", "", TextFiles, 270, false},
        {"short.csv", "x;0:0:1,5;;;;;a;;;;1\r\n", TextFiles, 274, false},
        {"workbook.csv", workbook, TextFiles, 271, false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        prompter.clear();
        ImportDialog dialog(*document, engine, window.get());
        files.choose(writeFile(QLatin1String(c.name), c.content), c.filter);
        click(dialog, "Open");
        EXPECT_EQ(button(dialog, "IMPORT")->isEnabled(), !c.onOpening);
        click(dialog, "IMPORT");
        ASSERT_EQ(prompter.count(ScriptedPrompter::Kind::Warning), 1);
        EXPECT_TRUE(prompter.shown().last().text.startsWith(text(c.message)))
            << prompter.shown().last().text.toStdString();
        EXPECT_TRUE(prompter.shown().last().text.contains(c.name));
        EXPECT_EQ(prompter.shown().last().title, text(10));
        EXPECT_FALSE(rowCommandsEnabled(dialog));
        EXPECT_EQ(QGuiApplication::overrideCursor(), nullptr);
        EXPECT_EQ(document->show.cues.row(1).Description, "kept");
    }
}

TEST_F(ImportDialogScenario, TheCueLimitStopsWritingWithAMessage) {
    QByteArray lines;
    for (int i = 0; i <= 3200; ++i)
        lines += QStringLiteral("x;%1:%2:%3,5;;;;;c;;;;1;1\r\n")
                     .arg(i / 3600)
                     .arg(i / 60 % 60, 2, 10, QLatin1Char('0'))
                     .arg(i % 60, 2, 10, QLatin1Char('0'))
                     .toLatin1();
    files.choose(writeFile("long.csv", lines), TextFiles);
    runImport([&](ImportDialog& dialog) {
        click(dialog, "Open");
        click(dialog, "IMPORT");
        ASSERT_EQ(preview(dialog).size(), 3201);
        click(dialog, "WRITE");
        EXPECT_FALSE(dialog.isVisible());
    });
    EXPECT_EQ(prompter.shown().last().text, text(197));
    EXPECT_EQ(document->show.cues.row(3200).TimeText, "00:53:19:50");
    EXPECT_EQ(document->show.ics.cell(1, 1), "3200");
    EXPECT_TRUE(document->show.state.ShowChanged);
}

} // namespace
