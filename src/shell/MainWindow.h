#pragma once

#include <QHash>
#include <QMainWindow>
#include <functional>

class QLabel;
class QToolBar;

namespace zyn {

class ShowDocument;
class CheckWindow;
class CommandDispatcher;
class EditorWindow;

// Grundfenster: the main window with its menus, two toolbars, the status bar
// and the editor. Every menu command goes through ExecuteCommand().
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
    // Loads ProjectPath (ShowMode 3 at start-up, or a chosen file).
    void openProject(const QString& path);
    // The show of the recovery copy an abnormal end left, as a changed show
    // without a file (the start dialog's offer was taken).
    void restoreRecoveryCopy();

    EditorWindow& editor() { return *m_editor; }
    QAction* action(const QString& name) const { return m_actions.value(name); }
    void setCommandEnabled(const QString& name, bool enabled);
    // The report window takes the editor's place while it is open: the report
    // toolbar replaces the editing toolbar and the file, edit and transfer
    // menus (with their shortcuts) rest. Null brings the editor back.
    void showReport(QWidget* report);
    void setStatusPanel(int panel, const QString& text);
    QString statusPanel(int panel) const;
    void setDocumentTitle(const QString& document);

    // Re-labels menus, toolbars and the editor after a language change.
    void relabel();
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
    QToolBar* buildToolBar(const QString& name, bool reportBar);
    void buildStatusBar();
    void queueEditCommand(const QString& actionCode);
    void reportButtonClicked(const QString& key);

    ShowDocument& m_document;
    EditorWindow* m_editor = nullptr;
    CommandDispatcher* m_dispatcher = nullptr;
    CheckWindow* m_checkWindow = nullptr;
    QToolBar* m_editBar = nullptr;
    QToolBar* m_reportBar = nullptr;
    QHash<QString, QAction*> m_actions;
    QList<QLabel*> m_panels;
    StartDialogRunner m_startDialogRunner;
    bool m_quitting = false;
};

} // namespace zyn
