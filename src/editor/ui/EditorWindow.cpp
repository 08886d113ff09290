#include "EditorWindow.h"

#include "CellInput.h"
#include "CueGridModel.h"
#include "EditorTextId.h"
#include "GridStyle.h"
#include "IcGridModel.h"
#include "ShowGridView.h"
#include "StepperGridModel.h"
#include "platform/widgets/BusyCursor.h"
#include "settings/TextId.h"
#include "shell/AppSession.h"
#include "show/ConfigFile.h"

#include <QHBoxLayout>
#include <QHeaderView>
#include <QSplitter>
#include <QTimer>
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

EditorWindow::EditorWindow(AppSession& session, QWidget* parent)
    : QWidget(parent), m_session(session) {
    setObjectName(QStringLiteral("frmProjektfenster"));
    ConfigFile::readEditorSettings(m_session.home.configPath(), m_session.settings);
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

    m_input = new CellInput(session, *m_cueGrid, *m_icGrid, *m_stepperGrid, this);
    connect(m_input, &CellInput::focused, this, &EditorWindow::inputBoxFocused);
    connect(m_input, &CellInput::cueCellChanged, this,
            [this](int cue) { m_cueModel->cuesChanged(cue, cue); });

    m_cueGrid->setCurrentIndex(m_cueModel->index(0, CueGridModel::TimeColumn));
    m_icGrid->setCurrentIndex(m_icModel->index(0, 0));
    cueCellEntered();
    channelCellEntered();
}

EditorWindow::~EditorWindow() { m_input->shutDown(); }

void EditorWindow::buildLayout() {
    Show& show = m_session.show;
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
    layout->addWidget(m_splitter);

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
    const Settings& settings = m_session.settings;
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
    m_cueGrid->setCornerText(m_session.text(TextId::HeadingCue));
    m_cueModel->setHeaders(m_session.text(TextId::HeadingTime),
                           m_session.text(TextId::HeadingDescription));
    m_icGrid->setCornerText(m_session.text(TextId::HeadingSlave));
    m_icModel->setChannelWord(m_session.text(TextId::HeadingChannel));
    m_stepperGrid->setCornerText(m_session.text(TextId::HeadingStepper));
    m_stepperModel->setRowLabel(m_session.text(TextId::HeadingCue));
    cueCellEntered();
    channelCellEntered();
}

void EditorWindow::cueCellEntered() {
    const QModelIndex current = m_cueGrid->currentIndex();
    m_cueModel->setMarkerRow(current.isValid() ? current.row() : -1);
    if (current.isValid())
        emit statusText(3, m_session.text(TextId::HeadingCue) + QStringLiteral(": ") +
                               QString::number(current.row() + 1));
}

void EditorWindow::channelCellEntered() {
    const QModelIndex current = m_icGrid->currentIndex();
    m_icModel->setMarkerRow(current.isValid() ? current.row() : -1);
    if (!current.isValid())
        return;
    emit statusText(4, m_session.text(TextId::HeadingSlave) + QStringLiteral(": ") +
                           QString::number(current.row() + 1));
    emit statusText(5, m_session.text(TextId::HeadingChannel) + QStringLiteral(": ") +
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
    m_keyMap->timeCodedShow = m_session.show.state.ShowMode == TimeCodedShow;
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
    Settings settings = m_session.settings;
    const auto twips16 = [this](int pixels) {
        return static_cast<qint16>(std::clamp(pixelsToTwips(pixels), 1, 32767));
    };
    settings.cueGridWidth = twips16(m_splitter->sizes().value(0));
    settings.timeColumnWidth = twips16(m_cueGrid->columnWidth(CueGridModel::TimeColumn));
    settings.descriptionColumnWidth =
        twips16(m_cueGrid->columnWidth(CueGridModel::DescriptionColumn));
    return settings;
}

void EditorWindow::applyInputColour() {
    m_input->applyBackground();
}

void EditorWindow::runPendingCommand() {
    m_commandTimer->stop();
    const QString code = m_session.show.state.PendingCommand;
    m_session.show.state.PendingCommand.clear();
    if (code == u"SAVE")
        saveProject();
}

void EditorWindow::saveProject() {
    if (m_session.show.state.ProjectPath.isEmpty())
        return;
    const BusyCursor busy;
    emit statusText(1, m_session.text(TextId::StatusSaving));
    m_session.saveProject();
    emit statusText(1, QString());
}

void EditorWindow::sortCues(bool /*askFirst*/) {}

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
    default:
        break;
    }
}

void EditorWindow::channelAction(GridKeyMap::Action action, int, const QString& text) {
    using Action = GridKeyMap::Action;
    switch (action) {
    case Action::OpenBox:
        m_input->open(CellInput::Box::Channel, text);
        break;
    case Action::EnterCell:
        m_input->open(CellInput::Box::Channel);
        break;
    default:
        break;
    }
}

void EditorWindow::stepperAction(GridKeyMap::Action action, int, const QString& text) {
    if (action == GridKeyMap::Action::OpenBox)
        m_input->open(CellInput::Box::Stepper, text);
}

} // namespace zyn
