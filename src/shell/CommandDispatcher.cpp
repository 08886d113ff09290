#include "CommandDispatcher.h"

#include "AppSession.h"
#include "MainWindow.h"
#include "RecoveryTextId.h"
#include "ShellTextId.h"
#include "check/CheckTextId.h"
#include "check/ui/CheckWindow.h"
#include "editor/ui/EditorWindow.h"
#include "platform/FileDialogs.h"
#include "platform/Prompter.h"
#include "platform/widgets/BusyCursor.h"
#include "settings/TextId.h"

#include <QApplication>
#include <QDir>
#include <QFileInfo>
#include <algorithm>

namespace zyn {

namespace {
const QString ProjectSuffix = QStringLiteral("zyn");
}

CommandDispatcher::CommandDispatcher(AppSession& session, MainWindow& window)
    : m_session(session), m_window(window) {
    const auto queueing = [this](const char* code) {
        return [this, code] { queue(QLatin1String(code)); };
    };
    const auto nothing = [] {};
    m_commands = {
        {"keyDateiNew", [this] { newProject(); }},
        {"keyDateiOpen", [this] { projectOpen(); }},
        {"keyDateiSaveAs", [this] { projectSaveAs(); }},
        {"keyDateiSave", [this] { projectSave(); }},
        {"keyDateiClose", nothing},
        {"keyDateiDelete", nothing},
        {"keyDateiExport", nothing},
        {"keyDateiPrinter", nothing},
        {"keyDateiImport", [this] { importCueList(); }},
        {"keyDateiEnd", [this] { exitProgram(); }},
        {"keyEditCUEPaste", queueing("CUES_PASTE")},
        {"keyEditCUECopy", queueing("CUES_COPY")},
        {"keyEditCUETausch", queueing("CUES_TAUSCH")},
        {"keyEditCUEDelete", queueing("CUES_DELETE")},
        {"keyEditCUESort", queueing("CUES_SORT")},
        {"keyEditICDelete", queueing("IC_DELETE")},
        {"keyEditICCopy", queueing("IC_COPY")},
        {"keyEditICTausch", queueing("IC_TAUSCH")},
        {"keyEditICCUE", queueing("IC_PUTCUE")},
        {"keyEditUndo", queueing("UNDO")},
        {"keyEditRedo", queueing("REDO")},
        {"keyEditSTEPERDelete", queueing("STEPER_DELETE")},
        {"keyEditSTEPERCopy", queueing("STEPER_COPY")},
        {"keyEditSTEPERTausch", queueing("STEPER_TAUSCH")},
        {"keyEditSTEPERCUE", queueing("STEPER_PUTCUE")},
        {"keyAusgabeChannelList", [this] { openReport(200); }},
        {"keyAusgabeTimeList", [this] { openReport(201); }},
        {"keyExtraLanguage", [this] { openDialog(QStringLiteral("keyExtraLanguage")); }},
        {"keyExtraOptionen", [this] { openDialog(QStringLiteral("keyExtraOptionen")); }},
        {"keyExtraCheck", [this] { openDialog(QStringLiteral("keyExtraCheck")); }},
        {"keyTransferController", [this] { transfer(QStringLiteral("keyTransferController")); }},
        {"keyTransferUSBDrive", [this] { transfer(QStringLiteral("keyTransferUSBDrive")); }},
        {"keyTransferVerifyDrive",
         [this] { openDialog(QStringLiteral("keyTransferVerifyDrive")); }},
        {"keyTransferPCMKarte", [this] { transfer(QStringLiteral("keyTransferPCMKarte")); }},
        {"keyHilfeInfo", [this] { openDialog(QStringLiteral("keyHilfeInfo")); }},
    };
}

void CommandDispatcher::execute(const QString& key) {
    if (m_session.show.state.InputActive)
        return;
    const auto command = m_commands.constFind(key);
    if (command != m_commands.constEnd())
        (*command)();
}

void CommandDispatcher::queue(const QString& actionCode) {
    m_session.show.state.PendingCommand = actionCode;
    m_window.editor().startCommandTimer();
}

bool CommandDispatcher::confirmDiscard(int questionText) {
    if (!m_session.show.state.ShowChanged)
        return true;
    return m_session.prompter.ask(m_session.text(questionText),
                                  m_session.text(TextId::QuestionTitle));
}

bool CommandDispatcher::confirmTransfer() {
    const ShowState& state = m_session.show.state;
    if (state.ShowMode != TimeCodedShow || !state.SortPending)
        return true;
    if (!m_session.prompter.ask(m_session.text(ShellTextId::SortBeforeTransferQuestion),
                                m_session.text(TextId::QuestionTitle)))
        return false;
    m_window.editor().sortCues(false);
    return true;
}

bool CommandDispatcher::checkBeforeTransfer() {
    CheckWindow& list = m_window.checkWindow();
    list.recheck();
    const std::vector<CheckFinding>& findings = list.findings();
    const int errors = ShowCheck::errorCount(findings);
    const bool warnings = std::any_of(findings.begin(), findings.end(), [](const auto& finding) {
        return finding.severity == CheckFinding::Severity::Warning;
    });
    if (!errors && !warnings)
        return true;
    list.present();
    if (errors) {
        m_session.prompter.warn(m_session.text(CheckTextId::TransferRefused),
                                m_session.text(TextId::WarningTitle));
        return false;
    }
    return m_session.prompter.ask(m_session.text(CheckTextId::TransferAnywayQuestion),
                                  m_session.text(TextId::QuestionTitle));
}

void CommandDispatcher::startNewShow(int mode) {
    const BusyCursor busy;
    Show& show = m_session.show;
    if (mode == ManualShow)
        show.clearForManualShow();
    else
        show.clearForTimeCodedShow();
    show.state.ProjectPath.clear();
    showWithoutFile(mode);
}

void CommandDispatcher::showWithoutFile(int mode, const QString& recoveredFrom) {
    m_window.setCommandEnabled(QStringLiteral("mnukeyEditCUESort"), mode != ManualShow);
    m_window.setCommandEnabled(QStringLiteral("CUES_SORT"), mode != ManualShow);
    m_window.setCommandEnabled(QStringLiteral("mnukeyDateiSave"), false);
    m_window.setCommandEnabled(QStringLiteral("SAVE"), false);
    m_window.setDocumentTitle(m_session.text(ShellTextId::NewShowButton));
    m_window.editor().showReplaced();
    m_session.recoveredFrom = recoveredFrom;
    m_session.keepRecoveryCopy();
}

void CommandDispatcher::openProject(const QString& path) {
    const BusyCursor busy;
    Show& show = m_session.show;
    show.state.ProjectPath = path;
    m_window.setStatusPanel(1, m_session.text(TextId::StatusLoading));
    const bool loaded = m_session.loadProject();
    m_window.setStatusPanel(1, QString());
    if (!loaded) {
        // What a damaged file gave back stays in the editor, but without the
        // file's name: a plain Save must not overwrite the damaged original.
        show.state.ProjectPath.clear();
        m_window.setDocumentTitle(m_session.text(ShellTextId::NewShowButton));
        m_window.setCommandEnabled(QStringLiteral("mnukeyDateiSave"), false);
        m_window.setCommandEnabled(QStringLiteral("SAVE"), false);
    } else {
        show.cues.renumber();
        m_window.setDocumentTitle(show.state.ProjectPath);
        m_window.setCommandEnabled(QStringLiteral("mnukeyEditCUESort"), true);
        m_window.setCommandEnabled(QStringLiteral("CUES_SORT"), true);
        m_window.setCommandEnabled(QStringLiteral("mnukeyDateiSave"),
                                   !show.state.ProjectPath.isEmpty());
        m_window.setCommandEnabled(QStringLiteral("SAVE"), !show.state.ProjectPath.isEmpty());
    }
    m_window.editor().showReplaced();
    m_session.recoveredFrom.clear();
    m_session.keepRecoveryCopy();
}

void CommandDispatcher::restoreRecoveryCopy() {
    Show& show = m_session.show;
    RecoveryFile::Details details;
    FileError error;
    {
        const BusyCursor busy;
        show.clearForTimeCodedShow();
        error = m_session.recovery.restore(show, m_session.texts.stopLabels(), &details);
    }
    if (error) {
        m_session.ShowErrorMessage(error);
        const QString kept = m_session.recovery.setAside();
        if (!kept.isEmpty())
            m_session.prompter.warn(m_session.text(RecoveryTextId::DamagedCopyKept) +
                                        QStringLiteral("\n") + QDir::toNativeSeparators(kept),
                                    m_session.text(TextId::WarningTitle));
    }
    showWithoutFile(show.state.ShowMode, details.projectPath);
    const QString document = details.projectPath.isEmpty()
                                 ? m_session.text(ShellTextId::NewShowButton)
                                 : QDir::toNativeSeparators(details.projectPath);
    m_window.setDocumentTitle(document + QStringLiteral(" (") +
                              m_session.text(RecoveryTextId::RestoredMark) + u')');
}

void CommandDispatcher::newProject() {
    {
        const BusyCursor busy;
        if (!confirmDiscard(ShellTextId::NewQuestion))
            return;
    }
    m_session.NewProjectRequest = true;
    if (m_window.startDialogRunner())
        m_window.startDialogRunner()();
    m_session.NewProjectRequest = false;
}

QString CommandDispatcher::projectDirectory() const {
    if (!m_session.settings.projectDirectory.isEmpty())
        return m_session.settings.projectDirectory;
    return m_session.home.projectsDirectory();
}

void CommandDispatcher::afterFileDialog() {
    m_window.editor().ignoreNextKey();
}

void CommandDispatcher::projectOpen() {
    const BusyCursor busy;
    if (!confirmDiscard(ShellTextId::OpenQuestion))
        return;
    const std::optional<QString> chosen = m_session.fileDialogs.openFile(
        projectDirectory(),
        m_session.text(ShellTextId::ProjectFilter) + m_session.text(ShellTextId::AllFilesFilter));
    if (!chosen)
        return;
    if (!QFileInfo(*chosen).isFile()) {
        m_session.prompter.warn(QDir::toNativeSeparators(*chosen) + QStringLiteral("\n\n") +
                                    m_session.text(ShellTextId::FileMissing),
                                m_session.text(TextId::WarningTitle));
        return;
    }
    openProject(*chosen);
    afterFileDialog();
}

void CommandDispatcher::projectSaveAs() {
    const QString& ownFile = m_session.show.state.ProjectPath;
    const std::optional<QString> chosen = m_session.fileDialogs.saveFile(
        projectDirectory(), ownFile.isEmpty() ? m_session.recoveredFrom : ownFile,
        m_session.text(ShellTextId::ProjectFilter), ProjectSuffix);
    if (!chosen)
        return;
    QCoreApplication::processEvents();
    const QString previous = m_session.show.state.ProjectPath;
    m_session.show.state.ProjectPath = *chosen;
    m_window.setEnabled(false);
    bool saved = false;
    {
        const BusyCursor busy;
        m_window.setStatusPanel(1, m_session.text(TextId::StatusSaving));
        saved = m_session.saveProject();
        m_window.setStatusPanel(1, QString());
    }
    m_window.setEnabled(true);
    if (!saved) {
        // The new name holds no file: the show keeps the one it had.
        m_session.show.state.ProjectPath = previous;
        return;
    }
    m_session.recoveredFrom.clear();
    m_window.setDocumentTitle(*chosen);
    m_window.setCommandEnabled(QStringLiteral("mnukeyDateiSave"), true);
    m_window.setCommandEnabled(QStringLiteral("SAVE"), true);
    afterFileDialog();
}

void CommandDispatcher::projectSave() {
    if (m_session.show.state.ProjectPath.isEmpty())
        return projectSaveAs();
    m_window.setEnabled(false);
    {
        const BusyCursor busy;
        m_window.setStatusPanel(1, m_session.text(TextId::StatusSaving));
        m_session.saveProject();
        m_window.setStatusPanel(1, QString());
    }
    m_window.setEnabled(true);
}

void CommandDispatcher::importCueList() {
    {
        const BusyCursor busy;
        if (!m_session.SpreadsheetAvailable ||
            !m_dialogs.contains(QStringLiteral("keyDateiImport"))) {
            m_session.prompter.warn(m_session.text(ShellTextId::SpreadsheetMissing),
                                    m_session.text(TextId::WarningTitle));
            return;
        }
        if (!confirmDiscard(ShellTextId::ImportQuestion))
            return;
    }
    // The dialog waits for the user: the normal pointer while it is open.
    openDialog(QStringLiteral("keyDateiImport"));
}

void CommandDispatcher::exitProgram() {
    {
        const BusyCursor busy;
        if (!confirmDiscard(ShellTextId::ExitQuestion))
            return;
    }
    m_window.quit();
}

void CommandDispatcher::openReport(int kind) {
    const QString key = kind == 200 ? QStringLiteral("keyAusgabeChannelList")
                                    : QStringLiteral("keyAusgabeTimeList");
    if (!m_dialogs.contains(key))
        return;
    const bool open = m_session.reportOpen();
    m_session.ReportKind = kind;
    if (open) {
        // The open report switches to the other kind on its own timer.
        m_session.show.state.PendingCommand = QStringLiteral("REPORT_CHANGE");
        return;
    }
    const BusyCursor busy;
    openDialog(key);
}

void CommandDispatcher::transfer(const QString& key) {
    const BusyCursor busy;
    if (!confirmTransfer() || !checkBeforeTransfer())
        return;
    openDialog(key);
}

void CommandDispatcher::openDialog(const QString& key) {
    const auto opener = m_dialogs.constFind(key);
    if (opener != m_dialogs.constEnd())
        (*opener)();
}

} // namespace zyn
