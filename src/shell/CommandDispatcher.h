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

    // A new show of the given mode (1 time-coded, 2 manual) in the editor.
    void startNewShow(int mode);
    // The show was replaced in place by one that has no file yet (the
    // import writes one): title, Save and sort commands and the editor follow.
    // `recoveredFrom` names the file of a restored recovery copy.
    void showWithoutFile(int mode, const QString& recoveredFrom = QString());
    // Opens a project file that the user chose or the start dialog offered.
    void openProject(const QString& path);
    // The show of the recovery copy, changed and without a file: a plain
    // save cannot overwrite the file it came from unasked, Save As proposes
    // that file. A copy that cannot be read is reported and kept aside.
    void restoreRecoveryCopy();

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
