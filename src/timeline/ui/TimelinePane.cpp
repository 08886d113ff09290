#include "TimelinePane.h"

#include "Playback.h"
#include "SoundtrackDecoding.h"
#include "SoundtrackDialog.h"
#include "TimelineTextId.h"
#include "TimelineView.h"
#include "document/ShowDocument.h"
#include "editor/EditContext.h"
#include "editor/TimeCode.h"
#include "editor/ui/CueGridModel.h"
#include "editor/ui/EditorCommands.h"
#include "editor/ui/GridSelections.h"
#include "editor/ui/ShowGridView.h"
#include "settings/TextId.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QScrollBar>
#include <QSignalBlocker>
#include <QStyle>
#include <QToolButton>
#include <QVBoxLayout>

namespace zyn {

namespace {

TimeCode timeCodeOf(int centiseconds) {
    return {centiseconds / 360000, centiseconds / 6000 % 60, centiseconds / 100 % 60,
            centiseconds % 100};
}

QToolButton* toolButton(const char* name, const QIcon& icon) {
    auto* button = new QToolButton;
    button->setObjectName(QLatin1String(name));
    button->setIcon(icon);
    button->setAutoRaise(true);
    return button;
}

} // namespace

TimelinePane::TimelinePane(ShowDocument& document, EditorCommands& commands, ShowGridView& cueGrid,
                           QWidget* parent)
    : QWidget(parent), m_document(document), m_commands(commands), m_cueGrid(cueGrid) {
    setObjectName(QStringLiteral("timelinePane"));
    buildLayout();
    relabel();
    rebuildMarkers();
    followDocument();
    setPlayback(nullptr);
}

void TimelinePane::buildLayout() {
    m_play = toolButton("timelinePlay", style()->standardIcon(QStyle::SP_MediaPlay));
    m_playFromCue =
        toolButton("timelinePlayFromCue", style()->standardIcon(QStyle::SP_MediaSkipForward));
    m_snap = toolButton("timelineSnap", QIcon());
    m_snap->setCheckable(true);
    m_snap->setChecked(true);
    m_snap->setToolButtonStyle(Qt::ToolButtonTextOnly);
    m_segmentLabel = new QLabel;
    m_view = new TimelineView;
    m_scrollBar = new QScrollBar(Qt::Horizontal);
    m_scrollBar->setObjectName(QStringLiteral("timelineScrollBar"));

    auto* tools = new QHBoxLayout;
    tools->setContentsMargins(2, 0, 2, 0);
    tools->addWidget(m_play);
    tools->addWidget(m_playFromCue);
    tools->addWidget(m_snap);
    tools->addSpacing(12);
    tools->addWidget(m_segmentLabel);
    tools->addStretch(1);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->addLayout(tools);
    layout->addWidget(new SoundtrackDecoding(m_document));
    layout->addWidget(m_view, 1);
    layout->addWidget(m_scrollBar);

    m_view->setDescriber([this](int row) {
        return m_document.text(TextId::HeadingCue) + u' ' + QString::number(row) +
               QStringLiteral(": ") + m_document.show.cues.row(row).Description;
    });
    connect(m_snap, &QToolButton::toggled, m_view, &TimelineView::setSnapping);
    connect(m_play, &QToolButton::clicked, this, &TimelinePane::togglePlaying);
    connect(m_playFromCue, &QToolButton::clicked, this, &TimelinePane::playFromCurrentCue);
    connect(m_view, &TimelineView::toggleRequested, this, &TimelinePane::togglePlaying);
    connect(m_view, &TimelineView::scaleChanged, this, &TimelinePane::updateScrollBar);
    connect(m_scrollBar, &QScrollBar::valueChanged, m_view,
            [this](int value) { m_view->scrollTo(value); });
    connect(m_view, &TimelineView::playheadRequested, this, &TimelinePane::seek);
    connect(m_view, &TimelineView::markerClicked, this, &TimelinePane::selectCue);
    connect(m_view, &TimelineView::markerDropped, this, &TimelinePane::moveCue);
}

void TimelinePane::followDocument() {
    connect(&m_document, &ShowDocument::cellsChanged, this, &TimelinePane::rebuildMarkers);
    connect(&m_document, &ShowDocument::showReplaced, this, &TimelinePane::rebuildMarkers);
    connect(&m_document, &ShowDocument::soundtrackChanged, this, &TimelinePane::rebuildMarkers);
    connect(&m_document, &ShowDocument::audioChanged, this, &TimelinePane::rebuildMarkers);
    connect(&m_document, &ShowDocument::languageChanged, this, [this] {
        relabel();
        rebuildMarkers();
    });
    QItemSelectionModel* selection = m_cueGrid.selectionModel();
    connect(selection, &QItemSelectionModel::selectionChanged, this, &TimelinePane::followCueGrid);
    connect(selection, &QItemSelectionModel::currentChanged, this, &TimelinePane::followCueGrid);
}

void TimelinePane::relabel() {
    using namespace TimelineTextId;
    m_play->setToolTip(m_document.text(PlayTooltip));
    m_playFromCue->setToolTip(m_document.text(PlayFromCueTooltip));
    m_snap->setText(m_document.text(SnapButton));
    m_snap->setToolTip(m_document.text(SnapTooltip));
    m_segmentLabel->setText(m_document.text(SegmentCaption).arg(m_segment));
}

void TimelinePane::setPlayback(Playback* playback) {
    if (m_playback)
        m_playback->disconnect(this);
    m_playback = playback;
    m_play->setEnabled(playback != nullptr);
    m_playFromCue->setEnabled(playback != nullptr);
    if (!playback)
        return;
    connect(playback, &Playback::positionChanged, this, [this](int centiseconds) {
        if (m_segment == m_document.soundtrack().segment)
            m_view->setPlayhead(centiseconds);
    });
    connect(playback, &Playback::playingChanged, this, [this](bool playing) {
        m_play->setIcon(
            style()->standardIcon(playing ? QStyle::SP_MediaPause : QStyle::SP_MediaPlay));
    });
}

void TimelinePane::rebuildMarkers() {
    m_markers = TimelineMarkers(m_document.show,
                                EditContext::usableLabels(m_document.texts().stopLabels()));
    showSegment(m_markers.segmentOf(currentRow()));
}

void TimelinePane::showSegment(int segment) {
    m_segment = segment;
    m_segmentLabel->setText(m_document.text(TimelineTextId::SegmentCaption).arg(segment));
    TimelineContent content;
    content.markers = m_markers.inSegment(segment);
    const Soundtrack& soundtrack = m_document.soundtrack();
    if (soundtrack.segment == segment) {
        content.audio = m_document.audio();
        content.audioStart = soundtrack.startCentiseconds;
    }
    m_view->setContent(std::move(content));
    followCueGrid();
}

void TimelinePane::followCueGrid() {
    const int segment = m_markers.segmentOf(currentRow());
    if (segment != m_segment)
        return showSegment(segment);
    const CueSelection cues = GridSelections::cues(m_cueGrid);
    m_view->setSelection({cues.firstRow(), cues.lastRow()});
}

int TimelinePane::currentRow() const {
    const QModelIndex current = m_cueGrid.currentIndex();
    return current.isValid() ? current.row() + 1 : 1;
}

void TimelinePane::updateScrollBar() {
    const TimelineScale& scale = m_view->scale();
    const int page = int(m_view->width() * scale.perPixel);
    const QSignalBlocker quiet(m_scrollBar);
    m_scrollBar->setRange(0, std::max(0, m_view->scrollLength() - page));
    m_scrollBar->setPageStep(std::max(1, page));
    m_scrollBar->setSingleStep(std::max(1, page / 10));
    m_scrollBar->setValue(int(scale.first));
}

void TimelinePane::selectCue(int row, bool extend) {
    QAbstractItemModel* model = m_cueGrid.model();
    const QModelIndex target = model->index(row - 1, CueGridModel::TimeColumn);
    QItemSelectionModel* selection = m_cueGrid.selectionModel();
    if (!extend) {
        selection->setCurrentIndex(target, QItemSelectionModel::ClearAndSelect);
        return;
    }
    const int anchor = currentRow();
    const QModelIndex top = model->index(std::min(anchor, row) - 1, CueGridModel::TimeColumn);
    const QModelIndex bottom = model->index(std::max(anchor, row) - 1, CueGridModel::TimeColumn);
    selection->setCurrentIndex(target, QItemSelectionModel::NoUpdate);
    selection->select(QItemSelection(top, bottom), QItemSelectionModel::ClearAndSelect);
}

void TimelinePane::moveCue(int row, int centiseconds) {
    m_commands.record([&] {
        m_document.show.cues.row(row).TimeText = timeCodeOf(centiseconds).text();
        m_document.show.state.SortPending = true;
        m_document.show.state.ShowChanged = true;
        EditResult result;
        result.changed = true;
        result.cueRows = {row, row};
        return result;
    });
}

void TimelinePane::seek(int centiseconds) {
    if (m_playback && m_segment == m_document.soundtrack().segment)
        m_playback->seek(centiseconds);
    m_view->setPlayhead(centiseconds);
}

void TimelinePane::togglePlaying() {
    if (m_playback)
        m_playback->toggle();
}

void TimelinePane::playFromCurrentCue() {
    if (!m_playback || m_segment != m_document.soundtrack().segment)
        return;
    const int row = currentRow();
    for (const TimelineMarker& marker : m_view->content().markers) {
        if (marker.row == row)
            m_playback->seek(marker.centiseconds);
    }
    m_playback->play();
}

void TimelinePane::chooseSoundtrack() {
    SoundtrackDialog dialog(m_document, this);
    dialog.exec();
}

} // namespace zyn
