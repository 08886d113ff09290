#include "MainWindow.h"

#include "CommandDispatcher.h"
#include "MenuLayout.h"
#include "RecoveryKeeper.h"
#include "ShellTextId.h"
#include "check/ui/CheckWindow.h"
#include "document/ShowDocument.h"
#include "editor/ui/CellInput.h"
#include "editor/ui/EditorCommands.h"
#include "editor/ui/EditorWindow.h"
#include "import/ui/ImportDialog.h"
#include "platform/spreadsheet/LocalSpreadsheetEngine.h"
#include "platform/widgets/ResponsiveSpreadsheetEngine.h"
#include "reports/ui/ReportPrinter.h"
#include "reports/ui/ReportWindow.h"
#include "settings/TextId.h"
#include "settings/ui/AboutDialog.h"
#include "settings/ui/LanguageDialog.h"
#include "settings/ui/OptionsDialog.h"
#include "transfer/ui/ChipCardDialog.h"
#include "transfer/ui/ControllerTransferDialog.h"
#include "transfer/ui/DriveTransferDialog.h"
#include "transfer/ui/VerifyDriveDialog.h"
#include "ui/IconSet.h"
#include "ui/WindowTitle.h"

#include <QCloseEvent>
#include <QLabel>
#include <QMenuBar>
#include <QStackedWidget>
#include <QStatusBar>
#include <QToolBar>
#include <QUndoStack>

namespace zyn {

namespace {

constexpr int PanelCount = 5;

const QHash<QString, QString>& reportActionCodes() {
    static const QHash<QString, QString> codes = {
        {"OK", "REPORT_CLOSE"},          {"Drucken", "REPORT_PRINT"},
        {"EXPORT", "REPORT_EXPORT"},     {"SEITESTART", "REPORT_SEITESTART"},
        {"SEITEVOR", "REPORT_SEITEVOR"}, {"SEITEWEITER", "REPORT_SEITEWEITER"},
        {"SEITEENDE", "REPORT_ENDE"},    {"REPORT_OPTIONEN", "REPORT_OPTIONEN"},
    };
    return codes;
}

bool isSpacer(const char* key) {
    return QLatin1String(key).startsWith(QLatin1String("Platzhalter"));
}

} // namespace

MainWindow::MainWindow(ShowDocument& document, QWidget* parent)
    : QMainWindow(parent), m_document(document) {
    setObjectName(QStringLiteral("Grundfenster"));
    setWindowTitle(WindowTitle::base());
    setWindowIcon(IconSet::applicationIcon());
    m_document.show.state.InputActive = false;
    m_document.show.copies.clear();
    m_document.SpreadsheetAvailable = LocalSpreadsheetEngine().available();
    m_dispatcher = new CommandDispatcher(document, *this);

    buildMenus();
    m_editBar = buildToolBar(QStringLiteral("ToolbarZYN"), false);
    m_reportBar = buildToolBar(QStringLiteral("ToolbarBerichte"), true);
    m_reportBar->hide();
    buildStatusBar();

    m_editor = new EditorWindow(document, this);
    setCentralWidget(m_editor);
    connect(m_editor, &EditorWindow::statusText, this, &MainWindow::setStatusPanel);
    connect(m_editor, &EditorWindow::commandEnabled, this, &MainWindow::setCommandEnabled);
    QUndoStack& history = m_editor->commands().history();
    connect(&history, &QUndoStack::canUndoChanged, action(QStringLiteral("mnukeyEditUndo")),
            &QAction::setEnabled);
    connect(&history, &QUndoStack::canRedoChanged, action(QStringLiteral("mnukeyEditRedo")),
            &QAction::setEnabled);
    connect(m_editor, &EditorWindow::inputBoxFocused, this,
            [this](bool focused) { setCommandEnabled(QStringLiteral("mnukeyAusgabe"), !focused); });
    registerDialogs();
    relabel();
    resize(1100, 720);
    new RecoveryKeeper(document, m_editor->commands(), this);
}

void MainWindow::registerDialogs() {
    m_dispatcher->setDialog(QStringLiteral("keyExtraLanguage"), [this] {
        LanguageDialog dialog(m_document, *this);
        dialog.exec();
    });
    m_dispatcher->setDialog(QStringLiteral("keyExtraOptionen"), [this] {
        OptionsDialog dialog(m_document, this);
        connect(&dialog, &OptionsDialog::inputColourChanged, m_editor,
                &EditorWindow::applyInputColour);
        dialog.exec();
    });
    m_dispatcher->setDialog(QStringLiteral("keyExtraCheck"), [this] { checkWindow().present(); });
    m_dispatcher->setDialog(QStringLiteral("keyHilfeInfo"), [this] {
        AboutDialog dialog(m_document, this);
        dialog.exec();
    });
    // The report window is modeless and opens only when none is open (the
    // dispatcher queues REPORT_CHANGE otherwise). The printer chosen in its
    // print dialog stays the current printer for the rest of the run.
    const auto printer = std::make_shared<ReportPrinter>();
    const auto openReport = [this, printer] { new ReportWindow(m_document, *this, printer); };
    m_dispatcher->setDialog(QStringLiteral("keyAusgabeChannelList"), openReport);
    m_dispatcher->setDialog(QStringLiteral("keyAusgabeTimeList"), openReport);
    m_dispatcher->setDialog(QStringLiteral("keyDateiImport"), [this] {
        const LocalSpreadsheetEngine local;
        const ResponsiveSpreadsheetEngine engine(local);
        ImportDialog dialog(m_document, engine, this);
        // The import is one undo step, after the history a new show starts.
        connect(&dialog, &ImportDialog::showAboutToBeReplaced, this,
                [this] { m_editor->commands().beginOutsideChange(); });
        connect(&dialog, &ImportDialog::showWritten, this, [this] {
            m_dispatcher->showWithoutFile(TimeCodedShow);
            m_editor->commands().endOutsideChange();
        });
        dialog.exec();
    });
    m_dispatcher->setDialog(QStringLiteral("keyTransferController"), [this] {
        ControllerTransferDialog dialog(m_document, this);
        dialog.exec();
    });
    m_dispatcher->setDialog(QStringLiteral("keyTransferUSBDrive"), [this] {
        DriveTransferDialog dialog(m_document, this);
        dialog.exec();
    });
    m_dispatcher->setDialog(QStringLiteral("keyTransferVerifyDrive"), [this] {
        VerifyDriveDialog dialog(m_document, this);
        dialog.exec();
    });
    // The chip-card transfer has no menu item: Ctrl+Shift+K sends its command.
    m_dispatcher->setDialog(QStringLiteral("keyTransferPCMKarte"), [this] {
        ChipCardDialog dialog(m_document, this);
        dialog.exec();
    });
    auto* chipCard = new QAction(this);
    chipCard->setObjectName(QStringLiteral("keyTransferPCMKarte"));
    chipCard->setShortcut(QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_K));
    connect(chipCard, &QAction::triggered, this,
            [this] { ExecuteCommand(QStringLiteral("keyTransferPCMKarte")); });
    addAction(chipCard);
}

MainWindow::~MainWindow() {
    m_editor->input().shutDown();
    delete m_dispatcher;
}

CheckWindow& MainWindow::checkWindow() {
    if (!m_checkWindow)
        m_checkWindow = new CheckWindow(m_document, *m_editor, this);
    return *m_checkWindow;
}

void MainWindow::ExecuteCommand(const QString& key) {
    m_dispatcher->execute(key);
}

void MainWindow::buildMenus() {
    for (const MenuLayout::Menu& menuLayout : MenuLayout::Menus) {
        QMenu* menu = menuBar()->addMenu(QString());
        menu->setObjectName(QLatin1String(menuLayout.name));
        menu->menuAction()->setObjectName(QLatin1String(menuLayout.name));
        m_actions.insert(QLatin1String(menuLayout.name), menu->menuAction());
        for (int i = 0; i < menuLayout.itemCount; ++i) {
            const MenuLayout::Item& item = menuLayout.items[i];
            if (!item.name) {
                menu->addSeparator();
                continue;
            }
            const QString name = QLatin1String(item.name);
            QAction* action = menu->addAction(QString());
            action->setObjectName(name);
            const QString commandKey = QStringLiteral("key") + name.mid(6);
            connect(action, &QAction::triggered, this,
                    [this, commandKey] { ExecuteCommand(commandKey); });
            m_actions.insert(name, action);
        }
    }
    // Spelt out rather than taken from the platform's standard keys: those
    // follow the desktop, and without one some of them (Save As) are empty.
    const std::pair<const char*, QKeyCombination> shortcuts[] = {
        {"mnukeyDateiNew", Qt::CTRL | Qt::Key_N},
        {"mnukeyDateiOpen", Qt::CTRL | Qt::Key_O},
        {"mnukeyDateiSave", Qt::CTRL | Qt::Key_S},
        {"mnukeyDateiSaveAs", Qt::CTRL | Qt::SHIFT | Qt::Key_S},
        {"mnukeyDateiEnd", Qt::CTRL | Qt::Key_Q},
        {"mnukeyEditUndo", Qt::CTRL | Qt::Key_Z},
        {"mnukeyEditRedo", Qt::CTRL | Qt::Key_Y},
    };
    for (const auto& [name, keys] : shortcuts)
        action(QLatin1String(name))->setShortcut(QKeySequence(keys));
    for (const QString& name :
         {QStringLiteral("mnukeyDateiSave"), QStringLiteral("mnukeyEditCUETausch"),
          QStringLiteral("mnukeyEditICTausch"), QStringLiteral("mnukeyEditUndo"),
          QStringLiteral("mnukeyEditRedo")})
        action(name)->setEnabled(false);
}

QToolBar* MainWindow::buildToolBar(const QString& name, bool reportBar) {
    QToolBar* bar = addToolBar(QString());
    bar->setObjectName(name);
    bar->setMovable(false);
    bar->setIconSize(QSize(24, 24));
    const auto addButtons = [&](const auto& buttons) {
        for (const MenuLayout::Button& button : buttons) {
            if (isSpacer(button.key)) {
                bar->addSeparator();
                continue;
            }
            const QString key = QLatin1String(button.key);
            QAction* action = bar->addAction(IconSet::icon(QLatin1String(button.image)), QString());
            action->setObjectName(key);
            action->setEnabled(button.enabled);
            action->setVisible(button.shown);
            if (reportBar)
                connect(action, &QAction::triggered, this,
                        [this, key] { reportButtonClicked(key); });
            else
                connect(action, &QAction::triggered, this, [this, key] { queueEditCommand(key); });
            m_actions.insert(key, action);
        }
    };
    if (reportBar)
        addButtons(MenuLayout::ReportButtons);
    else
        addButtons(MenuLayout::EditButtons);
    return bar;
}

void MainWindow::buildStatusBar() {
    statusBar()->setObjectName(QStringLiteral("StatusBarZYN"));
    for (int panel = 1; panel <= PanelCount; ++panel) {
        auto* label = new QLabel(this);
        label->setObjectName(QStringLiteral("Panel%1").arg(panel));
        label->setMinimumWidth(panel == 1 ? 260 : 120);
        statusBar()->addWidget(label, panel == 1 ? 1 : 0);
        m_panels.append(label);
    }
}

void MainWindow::relabel() {
    for (const MenuLayout::Menu& menuLayout : MenuLayout::Menus) {
        action(QLatin1String(menuLayout.name))->setText(m_document.text(menuLayout.text));
        for (int i = 0; i < menuLayout.itemCount; ++i) {
            if (const MenuLayout::Item& item = menuLayout.items[i]; item.name)
                action(QLatin1String(item.name))->setText(m_document.text(item.text));
        }
    }
    const auto tooltips = [this](const auto& buttons) {
        for (const MenuLayout::Button& button : buttons) {
            if (!isSpacer(button.key) && button.tooltip > 0)
                action(QLatin1String(button.key))->setToolTip(m_document.text(button.tooltip));
        }
    };
    tooltips(MenuLayout::EditButtons);
    tooltips(MenuLayout::ReportButtons);
    action(QStringLiteral("mnukeyExtraLanguage"))
        ->setIcon(LanguageDialog::languageIcon(m_document, m_document.settings.languageName));
    m_editor->relabel();
}

void MainWindow::queueEditCommand(const QString& actionCode) {
    if (m_document.show.state.InputActive)
        return;
    m_document.show.state.PendingCommand = actionCode;
    m_editor->startCommandTimer();
}

void MainWindow::reportButtonClicked(const QString& key) {
    const auto code = reportActionCodes().constFind(key);
    if (code != reportActionCodes().constEnd())
        m_document.show.state.PendingCommand = *code;
}

void MainWindow::showReport(QWidget* report) {
    auto* stack = qobject_cast<QStackedWidget*>(centralWidget());
    if (!stack) {
        stack = new QStackedWidget;
        takeCentralWidget();
        stack->addWidget(m_editor);
        setCentralWidget(stack);
        stack->show();
    }
    for (int i = stack->count() - 1; i >= 0; --i) {
        if (QWidget* shown = stack->widget(i); shown != m_editor && shown != report)
            stack->removeWidget(shown);
    }
    if (report) {
        stack->addWidget(report);
        stack->setCurrentWidget(report);
    } else {
        stack->setCurrentWidget(m_editor);
    }
    m_editBar->setVisible(!report);
    m_reportBar->setVisible(report != nullptr);
    for (const char* menu : {"mnukeyDatei", "mnukeyEdit", "mnukeyTransfer"})
        setCommandEnabled(QLatin1String(menu), !report);
}

void MainWindow::setCommandEnabled(const QString& name, bool enabled) {
    if (QAction* target = action(name))
        target->setEnabled(enabled);
}

void MainWindow::setStatusPanel(int panel, const QString& text) {
    if (panel >= 1 && panel <= m_panels.size())
        m_panels[panel - 1]->setText(text);
}

QString MainWindow::statusPanel(int panel) const {
    return panel >= 1 && panel <= m_panels.size() ? m_panels[panel - 1]->text() : QString();
}

void MainWindow::setDocumentTitle(const QString& document) {
    setWindowTitle(document.isEmpty() ? WindowTitle::base() : WindowTitle::withDocument(document));
}

void MainWindow::startNewShow(int mode) {
    m_dispatcher->startNewShow(mode);
}

void MainWindow::openProject(const QString& path) {
    m_dispatcher->openProject(path);
}

void MainWindow::restoreRecoveryCopy() {
    m_dispatcher->restoreRecoveryCopy();
}

void MainWindow::quit() {
    m_quitting = true;
    close();
}

void MainWindow::closeEvent(QCloseEvent* event) {
    m_editor->input().finish();
    if (m_document.reportOpen() ||
        (!m_quitting && !m_dispatcher->confirmDiscard(ShellTextId::ExitQuestion))) {
        m_quitting = false;
        event->ignore();
        return;
    }
    m_document.show.state.ShowChanged = false;
    // A normal end: whatever the copy held was saved or given up.
    m_document.recovery.remove();
    m_document.settings = m_editor->settingsWithLayout();
    m_document.writeSettings();
    event->accept();
}

} // namespace zyn
