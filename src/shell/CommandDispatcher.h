#pragma once

#include <QHash>
#include <QString>
#include <functional>

namespace zyn {

class ShowDocument;
class MainWindow;

// ExecuteCommand: the one way every menu command enters the program. File,
// dialog, report and transfer commands run here; edit commands are queued in
// PendingCommand for the editor's command timer. Nothing runs while an
// editor input box is open.
class CommandDispatcher {
public:
    CommandDispatcher(ShowDocument& document, MainWindow& window);

    void execute(const QString& key);

    // The change question with the given text when the show has unsaved
    // changes; true when the command may go on.
    bool confirmDiscard(int questionText);
    // The transfer question: a time-coded show awaiting a sort is sorted
    // first when the user agrees; true when the transfer may go on.
    bool confirmTransfer();
    // The show check before a transfer: errors show the findings and refuse,
    // warnings show them and ask; true when the transfer may go on.
    bool checkBeforeTransfer();

    // The dialogs of later subsystems register here as they come.
    using DialogOpener = std::function<void()>;
    void setDialog(const QString& key, DialogOpener opener) {
        m_dialogs.insert(key, std::move(opener));
    }

private:
    void queue(const QString& actionCode);
    void newProject();
    void projectOpen();
    void projectSaveAs();
    void projectSave();
    // Runs a write with the window resting and the saving status shown.
    bool save(const std::function<bool()>& write);
    void importCueList();
    void exitProgram();
    void openReport(int kind);
    void transfer(const QString& key);
    void openDialog(const QString& key);
    QString projectDirectory() const;
    void afterFileDialog();

    ShowDocument& m_document;
    MainWindow& m_window;
    QHash<QString, std::function<void()>> m_commands;
    QHash<QString, DialogOpener> m_dialogs;
};

} // namespace zyn
