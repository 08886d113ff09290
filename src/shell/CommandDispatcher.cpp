#include "CommandDispatcher.h"

#include "MainWindow.h"
#include "ShellTextId.h"
#include "check/CheckTextId.h"
#include "check/ui/CheckWindow.h"
#include "document/ShowDocument.h"
#include "editor/ui/EditorWindow.h"
#include "platform/FileDialogs.h"
#include "platform/Prompter.h"
#include "platform/widgets/BusyCursor.h"
#include "settings/TextId.h"
#include "timeline/ui/TimelinePane.h"
#include "timeline/ui/TimelineSplitter.h"

#include <QApplication>
#include <QDir>
#include <QFileInfo>
#include <algorithm>

namespace zyn {

namespace {
const QString ProjectSuffix = QStringLiteral("zyn");
}

CommandDispatcher::CommandDispatcher(ShowDocument& document, MainWindow& window)
    : m_document(document), m_window(window) {
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
        {"keyExtraTimeline", [this] { m_window.editor().timelineSplitter().toggleTimeline(); }},
        {"keyExtraSoundtrack", [this] { m_window.editor().timeline().chooseSoundtrack(); }},
        {"keyTransferController", [this] { transfer(QStringLiteral("keyTransferController")); }},
        {"keyTransferUSBDrive", [this] { transfer(QStringLiteral("keyTransferUSBDrive")); }},
        {"keyTransferVerifyDrive",
         [this] { openDialog(QStringLiteral("keyTransferVerifyDrive")); }},
        {"keyTransferPCMKarte", [this] { transfer(QStringLiteral("keyTransferPCMKarte")); }},
        {"keyHilfeInfo", [this] { openDialog(QStringLiteral("keyHilfeInfo")); }},
    };
}

void CommandDispatcher::execute(const QString& key) {
    if (m_document.show.state.InputActive)
        return;
    const auto command = m_commands.constFind(key);
    // Every key comes from the command registry: an unknown one is a
    // programming error, never something a user can cause.
    if (command == m_commands.constEnd())
        qFatal("No command has the key %s", qPrintable(key));
    (*command)();
}

void CommandDispatcher::queue(const QString& actionCode) {
    m_document.queueCommand(actionCode);
}

bool CommandDispatcher::confirmDiscard(int questionText) {
    if (!m_document.show.state.ShowChanged)
        return true;
    return m_document.prompter.ask(m_document.text(questionText),
                                   m_document.text(TextId::QuestionTitle));
}

bool CommandDispatcher::confirmTransfer() {
    const ShowState& state = m_document.show.state;
    if (state.ShowMode != TimeCodedShow || !state.SortPending)
        return true;
    if (!m_document.prompter.ask(m_document.text(ShellTextId::SortBeforeTransferQuestion),
                                 m_document.text(TextId::QuestionTitle)))
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
        m_document.prompter.warn(m_document.text(CheckTextId::TransferRefused),
                                 m_document.text(TextId::WarningTitle));
        return false;
    }
    return m_document.prompter.ask(m_document.text(CheckTextId::TransferAnywayQuestion),
                                   m_document.text(TextId::QuestionTitle));
}

void CommandDispatcher::newProject() {
    {
        const BusyCursor busy;
        if (!confirmDiscard(ShellTextId::NewQuestion))
            return;
    }
    m_document.NewProjectRequest = true;
    if (m_window.startDialogRunner())
        m_window.startDialogRunner()();
    m_document.NewProjectRequest = false;
}

QString CommandDispatcher::projectDirectory() const {
    if (!m_document.settings().projectDirectory.isEmpty())
        return m_document.settings().projectDirectory;
    return m_document.home.projectsDirectory();
}

void CommandDispatcher::afterFileDialog() {
    m_window.editor().ignoreNextKey();
}

void CommandDispatcher::projectOpen() {
    const BusyCursor busy;
    if (!confirmDiscard(ShellTextId::OpenQuestion))
        return;
    const std::optional<QString> chosen = m_document.fileDialogs.openFile(
        projectDirectory(),
        m_document.text(ShellTextId::ProjectFilter) + m_document.text(ShellTextId::AllFilesFilter));
    if (!chosen)
        return;
    if (!QFileInfo(*chosen).isFile()) {
        m_document.prompter.warn(QDir::toNativeSeparators(*chosen) + QStringLiteral("\n\n") +
                                     m_document.text(ShellTextId::FileMissing),
                                 m_document.text(TextId::WarningTitle));
        return;
    }
    m_document.open(*chosen);
    afterFileDialog();
}

void CommandDispatcher::projectSaveAs() {
    const QString& ownFile = m_document.show.state.ProjectPath;
    const std::optional<QString> chosen = m_document.fileDialogs.saveFile(
        projectDirectory(), ownFile.isEmpty() ? m_document.recoveredFrom : ownFile,
        m_document.text(ShellTextId::ProjectFilter), ProjectSuffix);
    if (!chosen)
        return;
    QCoreApplication::processEvents();
    if (save([&] { return m_document.saveAs(*chosen); }))
        afterFileDialog();
}

void CommandDispatcher::projectSave() {
    if (m_document.show.state.ProjectPath.isEmpty())
        return projectSaveAs();
    save([this] { return m_document.save(); });
}

bool CommandDispatcher::save(const std::function<bool()>& write) {
    m_window.setEnabled(false);
    bool saved = false;
    {
        const BusyCursor busy;
        m_document.showStatus(1, m_document.text(TextId::StatusSaving));
        saved = write();
        m_document.showStatus(1, QString());
    }
    m_window.setEnabled(true);
    return saved;
}

void CommandDispatcher::importCueList() {
    {
        const BusyCursor busy;
        if (!m_document.SpreadsheetAvailable ||
            !m_dialogs.contains(QStringLiteral("keyDateiImport"))) {
            m_document.prompter.warn(m_document.text(ShellTextId::SpreadsheetMissing),
                                     m_document.text(TextId::WarningTitle));
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
    const bool open = m_document.reportOpen();
    m_document.ReportKind = kind;
    if (open) {
        // The open report switches to the other kind on its own timer.
        m_document.show.state.PendingCommand = QStringLiteral("REPORT_CHANGE");
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
