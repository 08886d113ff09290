#pragma once

#include "document/CommandId.h"

#include <QHash>
#include <QMainWindow>
#include <array>
#include <functional>
#include <memory>

class QLabel;
class QToolBar;

namespace zyn {

class ShowDocument;
class CheckWindow;
class CommandDispatcher;
class EditorWindow;
class ReportPrinter;

// Grundfenster: the main window with its menus, two toolbars, the status bar
// and the editor. Every menu command goes through ExecuteCommand(); menus,
// toolbars, title and status bar follow the document.
class MainWindow : public QMainWindow {
    Q_OBJECT

public:
    // Opens the start dialog again for the New command; returns after it closed.
    using StartDialogRunner = std::function<void()>;

    explicit MainWindow(ShowDocument& document, QWidget* parent = nullptr);
    ~MainWindow() override;

    void ExecuteCommand(const QString& key);

    // A new time-coded (mode 1) or manual (mode 2) show in the editor.
    void startNewShow(int mode);
    // Loads a project file (at start-up, or a chosen file).
    void openProject(const QString& path);
    // The show of the recovery copy an abnormal end left, as a changed show
    // without a file (the start dialog's offer was taken).
    void restoreRecoveryCopy();

    EditorWindow& editor() { return *m_editor; }
    // A menu item, menu, toolbar button or window action by its name.
    // An unknown name is a programming error and stops the program.
    QAction* action(const QString& name) const;
    // The report window takes the editor's place while it is open: the report
    // toolbar replaces the editing toolbar and the file, edit and transfer
    // menus (with their shortcuts) rest. Null brings the editor back.
    void showReport(QWidget* report);
    void setStatusPanel(int panel, const QString& text);
    QString statusPanel(int panel) const;
    void setDocumentTitle(const QString& document);

    // Ends the program as the Exit command does, without a question.
    void quit();

    void setStartDialogRunner(StartDialogRunner runner) { m_startDialogRunner = std::move(runner); }
    const StartDialogRunner& startDialogRunner() const { return m_startDialogRunner; }
    CommandDispatcher& dispatcher() { return *m_dispatcher; }
    // The modeless list of the show check's findings, made when first wanted.
    CheckWindow& checkWindow();

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    void buildMenus();
    void registerDialogs();
    void followDocument();
    QToolBar* buildToolBar(const QString& name, bool reportBar);
    QAction* addCommandAction(const QString& name, CommandId id, QAction* action);
    void buildStatusBar();
    // Menus and toolbars in the current language.
    void relabel();
    void applyCommandState(CommandId id);
    void queueEditCommand(const QString& actionCode);
    void openReport();

    ShowDocument& m_document;
    EditorWindow* m_editor = nullptr;
    CommandDispatcher* m_dispatcher = nullptr;
    CheckWindow* m_checkWindow = nullptr;
    // The printer chosen in a report's print dialog stays the current
    // printer for the rest of the run.
    std::shared_ptr<ReportPrinter> m_printer;
    QToolBar* m_editBar = nullptr;
    QToolBar* m_reportBar = nullptr;
    QHash<QString, QAction*> m_actions;
    std::array<QList<QAction*>, size_t(CommandId::Count)> m_commandActions;
    QList<QLabel*> m_panels;
    StartDialogRunner m_startDialogRunner;
    bool m_quitting = false;
};

} // namespace zyn
