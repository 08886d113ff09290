#include "EditorWindow.h"

#include "CellInput.h"
#include "CueGridModel.h"
#include "EditorCommands.h"
#include "EditorTextId.h"
#include "GridSelections.h"
#include "GridStyle.h"
#include "IcGridModel.h"
#include "KeyDialog.h"
#include "PlaybackLink.h"
#include "ShowGridView.h"
#include "StepperGridModel.h"
#include "TimeShiftDialog.h"
#include "document/CommandId.h"
#include "document/ShowDocument.h"
#include "editor/ChannelEdits.h"
#include "editor/CueEdits.h"
#include "editor/CueInsert.h"
#include "editor/CueSort.h"
#include "platform/widgets/BusyCursor.h"
#include "settings/TextId.h"
#include "timeline/ui/TimelinePane.h"
#include "timeline/ui/TimelineSplitter.h"

#include <QCoreApplication>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QSplitter>
#include <QTimer>
#include <QUndoStack>
#include <QVBoxLayout>

namespace zyn {

namespace {

// Widths in twips of the parts of the grids that are not configured.
constexpr int MarkerWidth = 300;
constexpr int NumberWidth = 500;
constexpr int ChannelWidth = 700;
constexpr int StepperLabelWidth = 800;
constexpr int CommandInterval = 10; // ms
constexpr int KeyInterval = 100;    // ms

} // namespace

EditorWindow::EditorWindow(ShowDocument& document, QWidget* parent)
    : QWidget(parent), m_document(document) {
    setObjectName(QStringLiteral("frmProjektfenster"));
    m_document.readEditorSettings();
    m_commands = new EditorCommands(document, this);
    m_commands->setStatusSink([this](const QString& text) { m_document.showStatus(1, text); });
    buildLayout();
    layoutGrids();
    relabel();

    m_commandTimer = new QTimer(this);
    m_commandTimer->setObjectName(QStringLiteral("TimerProjekt"));
    m_commandTimer->setInterval(CommandInterval);
    m_commandTimer->setSingleShot(true);
    connect(m_commandTimer, &QTimer::timeout, this, &EditorWindow::runPendingCommand);

    m_keyTimer = new QTimer(this);
    m_keyTimer->setObjectName(QStringLiteral("TimerKeyPress"));
    m_keyTimer->setInterval(KeyInterval);
    connect(m_keyTimer, &QTimer::timeout, this, [this] {
        m_keyMap->ignoreNextKey = false;
        m_keyTimer->stop();
    });

    m_input = new CellInput(document, *m_cueGrid, *m_icGrid, *m_stepperGrid, this);
    m_input->setRecorder(
        [this](const std::function<EditResult()>& change) { m_commands->record(change); });
    m_input->setCommitter([this](CellInput::Box box, int row, int column, const QString& text) {
        m_commands->run([&](EditContext& context) {
            ChannelEdits edits(context);
            return box == CellInput::Box::Channel ? edits.sb_Put_IC(text, row + 1, column + 1)
                                                  : edits.sb_Put_Stepper(text, column + 1);
        });
    });
    // The output menu rests while an input box is open.
    connect(m_input, &CellInput::focused, this, [this](bool focused) {
        m_document.setCommandEnabled(CommandId::OutputMenu, !focused);
    });
    connect(m_input, &CellInput::cueCellChanged, this,
            [this](int cue) { m_cueModel->cuesChanged(cue, cue); });

    m_cueGrid->setCurrentIndex(m_cueModel->index(0, CueGridModel::TimeColumn));
    m_icGrid->setCurrentIndex(m_icModel->index(0, 0));
    cueCellEntered();
    channelCellEntered();
    buildOperations();
    followDocument();
    m_playback =
        new PlaybackLink(document, *m_commands, *m_cueGrid, *m_cueModel, *m_icModel, *this);
    m_timeline->setPlayback(&m_playback->playback());
}

void EditorWindow::followDocument() {
    connect(&m_document, &ShowDocument::cellsChanged, this, &EditorWindow::apply);
    connect(&m_document, &ShowDocument::showReplaced, this, &EditorWindow::showReplaced);
    connect(&m_document, &ShowDocument::languageChanged, this, [this] {
        relabel();
        refreshAll();
    });
    connect(&m_document, &ShowDocument::settingsChanged, m_input, &CellInput::applyBackground);
    connect(&m_document, &ShowDocument::commandQueued, this, &EditorWindow::startCommandTimer);
}

EditorWindow::~EditorWindow() {
    m_input->shutDown();
}

void EditorWindow::buildLayout() {
    Show& show = m_document.show;
    m_cueGrid = new ShowGridView(QStringLiteral("MSHFlexGrid_Time"));
    m_icGrid = new ShowGridView(QStringLiteral("MSHFlexGrid_Slave"));
    m_stepperGrid = new ShowGridView(QStringLiteral("MSHFlexGrid_Stepper"));
    m_cueModel = new CueGridModel(show.cues, this);
    m_icModel = new IcGridModel(show.ics, this);
    m_stepperModel = new StepperGridModel(show.steppers, this);
    m_cueGrid->setModel(m_cueModel);
    m_icGrid->setModel(m_icModel);
    m_stepperGrid->setModel(m_stepperModel);

    auto* right = new QWidget;
    auto* rightLayout = new QVBoxLayout(right);
    rightLayout->setContentsMargins(0, 0, 0, 0);
    rightLayout->setSpacing(2);
    rightLayout->addWidget(m_icGrid, 1);
    rightLayout->addWidget(m_stepperGrid, 0);

    m_splitter = new QSplitter(Qt::Horizontal);
    m_splitter->setObjectName(QStringLiteral("VSplitterBar"));
    m_splitter->setChildrenCollapsible(false);
    m_splitter->addWidget(m_cueGrid);
    m_splitter->addWidget(right);
    m_splitter->setStretchFactor(1, 1);
    auto* layout = new QHBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    m_timeline = new TimelinePane(m_document, *m_commands, *m_cueGrid);
    m_timelineSplitter = new TimelineSplitter(m_document, m_splitter, m_timeline);
    layout->addWidget(m_timelineSplitter);

    m_keyMap = new GridKeyMap(this);
    m_keyMap->watch(m_cueGrid, GridKeyMap::Grid::Cues);
    m_keyMap->watch(m_icGrid, GridKeyMap::Grid::Channels);
    m_keyMap->watch(m_stepperGrid, GridKeyMap::Grid::Steppers);
    connect(m_keyMap, &GridKeyMap::action, this, &EditorWindow::onGridAction);
    connect(m_cueGrid, &QAbstractItemView::doubleClicked, this,
            [this] { cueAction(GridKeyMap::Action::OpenBox, QString()); });
    connect(m_icGrid, &QAbstractItemView::doubleClicked, this,
            [this] { channelAction(GridKeyMap::Action::EnterCell, 0, QString()); });
    connect(m_stepperGrid, &QAbstractItemView::doubleClicked, this,
            [this] { stepperAction(GridKeyMap::Action::OpenBox, 0, QString()); });
    connect(m_icGrid, &ShowGridView::rightButtonReleased, this,
            [this] { channelAction(GridKeyMap::Action::PutCue, 0, QString()); });
    connect(m_stepperGrid, &ShowGridView::rightButtonReleased, this,
            [this] { stepperAction(GridKeyMap::Action::PutCue, 0, QString()); });
    connect(m_cueGrid->selectionModel(), &QItemSelectionModel::currentChanged, this,
            &EditorWindow::cueCellEntered);
    connect(m_icGrid->selectionModel(), &QItemSelectionModel::currentChanged, this,
            &EditorWindow::channelCellEntered);
}

int EditorWindow::twipsToPixels(int twips) const {
    return GridStyle::twipsToPixels(twips, logicalDpiX());
}

int EditorWindow::pixelsToTwips(int pixels) const {
    return GridStyle::pixelsToTwips(pixels, logicalDpiX());
}

void EditorWindow::layoutGrids() {
    const Settings& settings = m_document.settings();
    m_cueGrid->verticalHeader()->setFixedWidth(twipsToPixels(MarkerWidth + NumberWidth));
    m_cueGrid->setColumnWidth(CueGridModel::TimeColumn, twipsToPixels(settings.timeColumnWidth));
    m_cueGrid->setColumnWidth(CueGridModel::DescriptionColumn,
                              twipsToPixels(settings.descriptionColumnWidth));
    m_icGrid->verticalHeader()->setFixedWidth(twipsToPixels(MarkerWidth + NumberWidth));
    m_icGrid->horizontalHeader()->setDefaultSectionSize(twipsToPixels(ChannelWidth));
    m_stepperGrid->verticalHeader()->setFixedWidth(twipsToPixels(StepperLabelWidth));
    m_stepperGrid->horizontalHeader()->setDefaultSectionSize(twipsToPixels(ChannelWidth));
    m_stepperGrid->setFixedHeight(m_stepperGrid->horizontalHeader()->sizeHint().height() +
                                  m_stepperGrid->verticalHeader()->defaultSectionSize() +
                                  2 * m_stepperGrid->frameWidth() + 4);
    const int cueWidth = twipsToPixels(settings.cueGridWidth);
    m_splitter->setSizes({cueWidth, std::max(1, width() - cueWidth)});
}

void EditorWindow::relabel() {
    m_cueGrid->setCornerText(m_document.text(TextId::HeadingCue));
    m_cueModel->setHeaders(m_document.text(TextId::HeadingTime),
                           m_document.text(TextId::HeadingDescription));
    m_icGrid->setCornerText(m_document.text(TextId::HeadingSlave));
    m_icModel->setChannelWord(m_document.text(TextId::HeadingChannel));
    m_stepperGrid->setCornerText(m_document.text(TextId::HeadingStepper));
    m_stepperModel->setRowLabel(m_document.text(TextId::HeadingCue));
    cueCellEntered();
    channelCellEntered();
}

void EditorWindow::cueCellEntered() {
    const QModelIndex current = m_cueGrid->currentIndex();
    m_cueModel->setMarkerRow(current.isValid() ? current.row() : -1);
    if (current.isValid())
        m_document.showStatus(3, m_document.text(TextId::HeadingCue) + QStringLiteral(": ") +
                                     QString::number(current.row() + 1));
}

void EditorWindow::channelCellEntered() {
    const QModelIndex current = m_icGrid->currentIndex();
    m_icModel->setMarkerRow(current.isValid() ? current.row() : -1);
    if (!current.isValid())
        return;
    m_document.showStatus(4, m_document.text(TextId::HeadingSlave) + QStringLiteral(": ") +
                                 QString::number(current.row() + 1));
    m_document.showStatus(5, m_document.text(TextId::HeadingChannel) + QStringLiteral(": ") +
                                 QString::number(current.column() + 1));
}

void EditorWindow::startCommandTimer() {
    m_commandTimer->start();
}

void EditorWindow::ignoreNextKey() {
    m_keyMap->ignoreNextKey = true;
    m_keyTimer->start();
}

void EditorWindow::showReplaced() {
    m_keyMap->timeCodedShow = m_document.show.state.ShowMode == TimeCodedShow;
    refreshAll();
    cueCellEntered();
    channelCellEntered();
}

void EditorWindow::refreshAll() {
    m_cueModel->allChanged();
    m_icModel->allChanged();
    m_stepperModel->allChanged();
}

Settings EditorWindow::settingsWithLayout() const {
    Settings settings = m_document.settings();
    const auto twips16 = [this](int pixels) {
        return static_cast<qint16>(std::clamp(pixelsToTwips(pixels), 1, 32767));
    };
    settings.cueGridWidth = twips16(m_splitter->sizes().value(0));
    settings.timeColumnWidth = twips16(m_cueGrid->columnWidth(CueGridModel::TimeColumn));
    settings.descriptionColumnWidth =
        twips16(m_cueGrid->columnWidth(CueGridModel::DescriptionColumn));
    return settings;
}

int EditorWindow::currentCueRow() const {
    const QModelIndex current = m_cueGrid->currentIndex();
    return current.isValid() ? current.row() + 1 : 1;
}

void EditorWindow::buildOperations() {
    const auto cueEdit = [this](auto operation) {
        return [this, operation] {
            const int row = currentCueRow();
            const CueSelection cues = GridSelections::cues(*m_cueGrid);
            m_commands->run([&](EditContext& context) { return operation(context, row, cues); });
        };
    };
    const auto channelEdit = [this](auto operation) {
        return [this, operation] {
            const int row = currentCueRow();
            const IcSelection channels = GridSelections::channels(*m_icGrid);
            m_commands->run([&](EditContext& context) {
                ChannelEdits edits(context);
                return operation(edits, row, channels);
            });
        };
    };
    const auto stepperEdit = [this](auto operation) {
        return [this, operation] {
            const int row = currentCueRow();
            const StepperSelection steppers = GridSelections::steppers(*m_stepperGrid);
            m_commands->run([&](EditContext& context) {
                ChannelEdits edits(context);
                return operation(edits, row, steppers);
            });
        };
    };
    const auto stop = [cueEdit](StopKind kind) {
        return cueEdit([kind](EditContext& c, int, const CueSelection& cues) {
            return CueEdits(c).cb_CUE_ChangeToManuell(kind, cues);
        });
    };
    using Cues = const CueSelection&;
    using Channels = const IcSelection&;
    using Steppers = const StepperSelection&;
    m_operations = {
        {"CUES_SORT", [this] { sortCues(true); }},
        {"CUES_COPY",
         cueEdit([](EditContext& c, int row, Cues) { return CueEdits(c).sb_CUE_Copy(row); })},
        {"CUES_TAUSCH",
         cueEdit([](EditContext& c, int row, Cues) { return CueEdits(c).sb_CUE_Tausch(row); })},
        {"CUES_DELETE",
         cueEdit([](EditContext& c, int, Cues cues) { return CueEdits(c).cb_CUE_Delete(cues); })},
        {"CUES_DELETE_ICS", cueEdit([](EditContext& c, int, Cues cues) {
             return CueEdits(c).cb_CUE_Delete_ICs(cues);
         })},
        {"CUES_PASTE",
         cueEdit([](EditContext& c, int row, Cues) { return CueInsert(c).sb_CUE_Paste(row); })},
        {"CueStop", stop(StopKind::CueStop)},
        {"CueStopTime", stop(StopKind::CueStopTime)},
        {"CueStopTimeReset", stop(StopKind::CueStopTimeReset)},
        {"IC_DELETE", channelEdit([](ChannelEdits& e, int, Channels channels) {
             return e.sb_IC_Delete(channels);
         })},
        {"IC_COPY", channelEdit([](ChannelEdits& e, int, Channels channels) {
             return e.sb_IC_Copy(channels.currentSlave, channels.currentChannel);
         })},
        {"IC_TAUSCH", channelEdit([](ChannelEdits& e, int, Channels channels) {
             return e.sb_IC_Tausch(channels);
         })},
        {"IC_PUTCUE", channelEdit([](ChannelEdits& e, int row, Channels channels) {
             return e.sb_Eingabe_ICSelect(row, channels);
         })},
        {"STEPER_DELETE", stepperEdit([](ChannelEdits& e, int, Steppers steppers) {
             return e.sb_Stepper_Delete(steppers);
         })},
        {"STEPER_COPY", stepperEdit([](ChannelEdits& e, int, Steppers steppers) {
             return e.sb_Steper_Copy(steppers.current);
         })},
        {"STEPER_TAUSCH", stepperEdit([](ChannelEdits& e, int, Steppers steppers) {
             return e.sb_Steper_Tausch(steppers);
         })},
        {"STEPER_PUTCUE", stepperEdit([](ChannelEdits& e, int row, Steppers steppers) {
             return e.sb_Eingabe_StepperSelect(row, steppers.current);
         })},
        {"SAVE", [this] { saveProject(); }},
        {"TimeChangeAll", [this] { openTimeShift(); }},
        {"UNDO", [this] { m_document.history().undo(); }},
        {"REDO", [this] { m_document.history().redo(); }},
    };
}

bool EditorWindow::runOperation(const QString& actionCode) {
    const auto operation = m_operations.constFind(actionCode);
    if (operation == m_operations.constEnd())
        return false;
    (*operation)();
    return true;
}

void EditorWindow::runPendingCommand() {
    m_commandTimer->stop();
    const QString code = m_document.show.state.PendingCommand;
    m_document.show.state.PendingCommand.clear();
    runOperation(code);
}

void EditorWindow::saveProject() {
    if (m_document.show.state.ProjectPath.isEmpty())
        return;
    const BusyCursor busy;
    m_document.showStatus(1, m_document.text(TextId::StatusSaving));
    m_document.save();
    m_document.showStatus(1, QString());
}

void EditorWindow::sortCues(bool askFirst) {
    int shownPercent = -1;
    const CueSort::Progress progress = [&](int done, int total) {
        const int percent = 100 * done / total;
        if (percent == shownPercent)
            return;
        shownPercent = percent;
        m_document.showStatus(1, CueSort::progressText(m_document.texts(), done, total));
        QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
    };
    const int row = currentCueRow();
    m_commands->run(
        [&](EditContext& context) { return CueSort(context).sort(askFirst, row, progress); });
    m_document.showStatus(1, QString());
}

void EditorWindow::openTimeShift() {
    const CueSelection cues = GridSelections::cues(*m_cueGrid);
    TimeShiftDialog dialog(m_document, *m_commands, cues.currentRow, cues.otherRow, this);
    dialog.exec();
}

void EditorWindow::openKeyDialog() {
    const QModelIndex current = m_icGrid->currentIndex();
    if (!current.isValid())
        return;
    KeyDialog dialog(m_document, *m_commands, current.row() + 1, current.column() + 1, this);
    dialog.exec();
    m_icModel->cellsChanged(current.row() + 1, current.column() + 1, current.row() + 1,
                            current.column() + 1);
}

void EditorWindow::enableSwap(int which) {
    switch (static_cast<SwapCommand>(which)) {
    case SwapCommand::Cue:
        m_document.setCommandEnabled(CommandId::CueSwap, true);
        break;
    case SwapCommand::Ic:
        m_document.setCommandEnabled(CommandId::ChannelSwap, true);
        break;
    case SwapCommand::Stepper:
        m_document.setCommandEnabled(CommandId::StepperSwap, true);
        break;
    case SwapCommand::None:
        break;
    }
}

void EditorWindow::apply(const EditResult& result) {
    if (result.everything) {
        refreshAll();
    } else {
        if (!result.cueRows.isEmpty())
            m_cueModel->cuesChanged(result.cueRows.first, result.cueRows.last);
        if (!result.icCells.isEmpty())
            m_icModel->cellsChanged(result.icCells.firstSlave, result.icCells.firstChannel,
                                    result.icCells.lastSlave, result.icCells.lastChannel);
        if (result.stepperCells)
            m_stepperModel->allChanged();
    }
    enableSwap(static_cast<int>(result.enableSwap));
    if (result.currentRow > 0) {
        const int column = result.openCueInput ? int(CueGridModel::TimeColumn)
                                               : std::max(0, m_cueGrid->currentIndex().column());
        m_cueGrid->setCurrentIndex(m_cueModel->index(result.currentRow - 1, column));
    }
    if (result.moveToNextCell) {
        const QModelIndex current = m_icGrid->currentIndex();
        const int next = current.row() * ChannelsPerSlave + current.column() + 1;
        if (next < MaxSlaves * ChannelsPerSlave)
            m_icGrid->setCurrentIndex(
                m_icModel->index(next / ChannelsPerSlave, next % ChannelsPerSlave));
    }
    cueCellEntered();
    channelCellEntered();
    if (result.openCueInput)
        m_input->open(CellInput::Box::Cue);
}

void EditorWindow::onGridAction(GridKeyMap::Grid grid, GridKeyMap::Action action, int level,
                                const QString& text) {
    switch (grid) {
    case GridKeyMap::Grid::Cues:
        cueAction(action, text);
        break;
    case GridKeyMap::Grid::Channels:
        channelAction(action, level, text);
        break;
    case GridKeyMap::Grid::Steppers:
        stepperAction(action, level, text);
        break;
    }
}

void EditorWindow::cueAction(GridKeyMap::Action action, const QString& text) {
    using Action = GridKeyMap::Action;
    const QModelIndex current = m_cueGrid->currentIndex();
    switch (action) {
    case Action::OpenBox:
        m_input->open(CellInput::Box::Cue, text);
        break;
    case Action::MoveToTime:
    case Action::MoveToDescription:
        m_cueGrid->setCurrentIndex(m_cueModel->index(current.isValid() ? current.row() : 0,
                                                     action == Action::MoveToTime
                                                         ? CueGridModel::TimeColumn
                                                         : CueGridModel::DescriptionColumn));
        break;
    case Action::Copy:
        runOperation(QStringLiteral("CUES_COPY"));
        break;
    case Action::Swap:
        runOperation(QStringLiteral("CUES_TAUSCH"));
        break;
    case Action::InsertCue:
        runOperation(QStringLiteral("CUES_PASTE"));
        break;
    case Action::Delete:
        runOperation(QStringLiteral("CUES_DELETE"));
        break;
    case Action::DeleteCueChannels:
        runOperation(QStringLiteral("CUES_DELETE_ICS"));
        break;
    default:
        break;
    }
}

int EditorWindow::securityKeyCode(int level) {
    return level == 0 ? ChannelEdits::KeyF12 : ChannelEdits::KeyF1 + level - 1;
}

void EditorWindow::channelAction(GridKeyMap::Action action, int level, const QString& text) {
    using Action = GridKeyMap::Action;
    const IcSelection channels = GridSelections::channels(*m_icGrid);
    switch (action) {
    case Action::OpenBox:
        m_input->open(CellInput::Box::Channel, text);
        break;
    case Action::EnterCell:
        // Unlike the K key, a channel that is already a key opens its dialog
        // in every kind of show.
        if (m_document.show.ics.cell(channels.currentSlave, channels.currentChannel)
                .startsWith(u'K'))
            openKeyDialog();
        else
            m_input->open(CellInput::Box::Channel);
        break;
    case Action::KeyDialog:
        openKeyDialog();
        break;
    case Action::SecurityLevel:
        m_commands->run([&](EditContext& c) {
            return ChannelEdits(c).sb_IC_Set_Security(securityKeyCode(level), channels);
        });
        break;
    case Action::Copy:
        runOperation(QStringLiteral("IC_COPY"));
        break;
    case Action::Swap:
        runOperation(QStringLiteral("IC_TAUSCH"));
        break;
    case Action::Delete:
        runOperation(QStringLiteral("IC_DELETE"));
        break;
    case Action::PutCue:
        if (!m_document.show.state.InputActive)
            runOperation(QStringLiteral("IC_PUTCUE"));
        break;
    default:
        break;
    }
}

void EditorWindow::stepperAction(GridKeyMap::Action action, int level, const QString& text) {
    using Action = GridKeyMap::Action;
    switch (action) {
    case Action::OpenBox:
        m_input->open(CellInput::Box::Stepper, text);
        break;
    case Action::SecurityLevel: {
        const StepperSelection steppers = GridSelections::steppers(*m_stepperGrid);
        m_commands->run([&](EditContext& c) {
            return ChannelEdits(c).sb_Steper_Set_Security(securityKeyCode(level), steppers);
        });
        break;
    }
    case Action::PutCue:
        runOperation(QStringLiteral("STEPER_PUTCUE"));
        break;
    case Action::Delete:
        runOperation(QStringLiteral("STEPER_DELETE"));
        break;
    case Action::Copy:
        runOperation(QStringLiteral("STEPER_COPY"));
        break;
    case Action::Swap:
        runOperation(QStringLiteral("STEPER_TAUSCH"));
        break;
    default:
        break;
    }
}

} // namespace zyn
