#include "MainWindow.h"

#include "CommandDispatcher.h"
#include "RecoveryKeeper.h"
#include "ShellTextId.h"
#include "check/ui/CheckWindow.h"
#include "document/CommandRegistry.h"
#include "document/ShowDocument.h"
#include "editor/ui/CellInput.h"
#include "editor/ui/EditorCommands.h"
#include "editor/ui/EditorWindow.h"
#include "import/ui/ImportDialog.h"
#include "platform/spreadsheet/LocalSpreadsheetEngine.h"
#include "platform/widgets/ResponsiveSpreadsheetEngine.h"
#include "reports/ui/ReportPrinter.h"
#include "reports/ui/ReportWindow.h"
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

namespace zyn {

namespace {

constexpr int PanelCount = 5;

QString nameOf(const char* name) {
    return QLatin1String(name);
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
    registerDialogs();
    followDocument();
    relabel();
    resize(1100, 720);
    new RecoveryKeeper(document, m_editor->commands(), this);
}

void MainWindow::followDocument() {
    connect(&m_document, &ShowDocument::commandStateChanged, this, &MainWindow::applyCommandState);
    connect(&m_document, &ShowDocument::titleChanged, this, &MainWindow::setDocumentTitle);
    connect(&m_document, &ShowDocument::statusTextChanged, this, &MainWindow::setStatusPanel);
    connect(&m_document, &ShowDocument::languageChanged, this, &MainWindow::relabel);
    for (const Command& command : CommandRegistry::all())
        applyCommandState(command.id);
}

void MainWindow::registerDialogs() {
    m_dispatcher->setDialog(QStringLiteral("keyExtraLanguage"), [this] {
        LanguageDialog dialog(m_document, this);
        dialog.exec();
    });
    m_dispatcher->setDialog(QStringLiteral("keyExtraOptionen"), [this] {
        OptionsDialog dialog(m_document, this);
        dialog.exec();
    });
    m_dispatcher->setDialog(QStringLiteral("keyExtraCheck"), [this] { checkWindow().present(); });
    m_dispatcher->setDialog(QStringLiteral("keyHilfeInfo"), [this] {
        AboutDialog dialog(m_document, this);
        dialog.exec();
    });
    m_dispatcher->setDialog(QStringLiteral("keyAusgabeChannelList"), [this] { openReport(); });
    m_dispatcher->setDialog(QStringLiteral("keyAusgabeTimeList"), [this] { openReport(); });
    m_dispatcher->setDialog(QStringLiteral("keyDateiImport"), [this] {
        const LocalSpreadsheetEngine local;
        const ResponsiveSpreadsheetEngine engine(local);
        ImportDialog dialog(m_document, engine, this);
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
    m_dispatcher->setDialog(QStringLiteral("keyTransferPCMKarte"), [this] {
        ChipCardDialog dialog(m_document, this);
        dialog.exec();
    });
}

void MainWindow::openReport() {
    // The report window is modeless and opens only when none is open (the
    // dispatcher queues REPORT_CHANGE otherwise).
    if (!m_printer)
        m_printer = std::make_shared<ReportPrinter>();
    auto* report = new ReportWindow(m_document, m_printer, this);
    connect(report, &ReportWindow::opened, this, [this, report] { showReport(report); });
    connect(report, &ReportWindow::closed, this, [this] { showReport(nullptr); });
    report->open();
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

QAction* MainWindow::action(const QString& name) const {
    QAction* found = m_actions.value(name);
    if (!found)
        qFatal("No action is named %s", qPrintable(name));
    return found;
}

void MainWindow::ExecuteCommand(const QString& key) {
    m_dispatcher->execute(key);
}

QAction* MainWindow::addCommandAction(const QString& name, CommandId id, QAction* action) {
    action->setObjectName(name);
    m_actions.insert(name, action);
    m_commandActions[size_t(id)].append(action);
    return action;
}

void MainWindow::buildMenus() {
    for (const CommandRegistry::Menu& layout : CommandRegistry::menus()) {
        QMenu* menu = menuBar()->addMenu(QString());
        const QString menuName = nameOf(CommandRegistry::command(layout.menu).menuItem);
        menu->setObjectName(menuName);
        addCommandAction(menuName, layout.menu, menu->menuAction());
        for (const CommandId id : layout.items) {
            if (id == CommandRegistry::Separator) {
                menu->addSeparator();
                continue;
            }
            const Command& command = CommandRegistry::command(id);
            QAction* item =
                addCommandAction(nameOf(command.menuItem), id, menu->addAction(QString()));
            // Spelt out rather than taken from the platform's standard keys:
            // those follow the desktop, and without one some (Save As) are empty.
            if (command.shortcut != QKeyCombination())
                item->setShortcut(QKeySequence(command.shortcut));
            const QString key = nameOf(command.key);
            connect(item, &QAction::triggered, this, [this, key] { ExecuteCommand(key); });
        }
    }
    // Commands without a menu item: their shortcut alone sends them.
    for (const Command& command : CommandRegistry::all()) {
        if (command.menuItem || !command.key)
            continue;
        const QString key = nameOf(command.key);
        QAction* shortcut = addCommandAction(key, command.id, new QAction(this));
        shortcut->setShortcut(QKeySequence(command.shortcut));
        connect(shortcut, &QAction::triggered, this, [this, key] { ExecuteCommand(key); });
        addAction(shortcut);
    }
}

QToolBar* MainWindow::buildToolBar(const QString& name, bool reportBar) {
    QToolBar* bar = addToolBar(QString());
    bar->setObjectName(name);
    bar->setMovable(false);
    bar->setIconSize(QSize(24, 24));
    const auto buttons =
        reportBar ? CommandRegistry::reportButtons() : CommandRegistry::editButtons();
    for (const CommandId id : buttons) {
        if (id == CommandRegistry::Separator) {
            bar->addSeparator();
            continue;
        }
        const Command& command = CommandRegistry::command(id);
        QAction* button =
            addCommandAction(nameOf(command.button), id,
                             bar->addAction(IconSet::icon(nameOf(command.icon)), QString()));
        button->setVisible(command.buttonShown);
        const QString code = nameOf(command.actionCode);
        if (reportBar)
            // The report window's own timer takes the command.
            connect(button, &QAction::triggered, this,
                    [this, code] { m_document.show.state.PendingCommand = code; });
        else
            connect(button, &QAction::triggered, this, [this, code] { queueEditCommand(code); });
    }
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
    for (const Command& command : CommandRegistry::all()) {
        if (command.menuItem)
            action(nameOf(command.menuItem))->setText(m_document.text(command.text));
        if (command.button && command.tooltip > 0)
            action(nameOf(command.button))->setToolTip(m_document.text(command.tooltip));
    }
    action(QStringLiteral("mnukeyExtraLanguage"))
        ->setIcon(LanguageDialog::languageIcon(m_document, m_document.settings().languageName));
}

void MainWindow::applyCommandState(CommandId id) {
    const ShowDocument::CommandState& state = m_document.commandState(id);
    for (QAction* action : m_commandActions[size_t(id)]) {
        action->setEnabled(state.enabled);
        action->setCheckable(state.checkable);
        action->setChecked(state.checked);
    }
}

void MainWindow::queueEditCommand(const QString& actionCode) {
    if (m_document.show.state.InputActive)
        return;
    m_document.queueCommand(actionCode);
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
    for (const CommandId menu : {CommandId::FileMenu, CommandId::EditMenu, CommandId::TransferMenu})
        m_document.setCommandEnabled(menu, !report);
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
    m_document.newShow(mode);
}

void MainWindow::openProject(const QString& path) {
    m_document.open(path);
}

void MainWindow::restoreRecoveryCopy() {
    m_document.restoreRecoveryCopy();
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
    m_document.changeSettings(m_editor->settingsWithLayout());
    m_document.writeSettings();
    event->accept();
}

} // namespace zyn
