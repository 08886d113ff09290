#pragma once

#include "TimelineMarkers.h"

#include <QPointer>
#include <QWidget>

class QLabel;
class QScrollBar;
class QToolButton;

namespace zyn {

class EditorCommands;
class Playback;
class ShowDocument;
class ShowGridView;
class TimelineView;
struct EditResult;

// The timeline below the editor's grids: the segment of the current cue with
// its markers, the soundtrack placed at its start time, play and snap
// buttons. It follows the document's signals and the cue grid's selection
// and changes the show only through the editor's commands, one undo step per
// dragged marker.
class TimelinePane : public QWidget {
    Q_OBJECT

public:
    TimelinePane(ShowDocument& document, EditorCommands& commands, ShowGridView& cueGrid,
                 QWidget* parent = nullptr);

    // Null: no sound, and a click moves only the pane's own playhead.
    void setPlayback(Playback* playback);
    TimelineView& view() const { return *m_view; }
    // The segment shown, 1 for the first.
    int segment() const { return m_segment; }

    // The soundtrack dialog; OK gives the document the new soundtrack.
    void chooseSoundtrack();

private:
    void buildLayout();
    void followDocument();
    void relabel();
    void rebuildMarkers();
    void showSegment(int segment);
    void followCueGrid();
    void updateScrollBar();
    void selectCue(int row, bool extend);
    void moveCue(int row, int centiseconds);
    void seek(int centiseconds);
    void playFromCurrentCue();
    void togglePlaying();
    int currentRow() const;

    ShowDocument& m_document;
    EditorCommands& m_commands;
    ShowGridView& m_cueGrid;
    QPointer<Playback> m_playback;
    TimelineMarkers m_markers;
    int m_segment = 1;
    TimelineView* m_view = nullptr;
    QScrollBar* m_scrollBar = nullptr;
    QToolButton* m_play = nullptr;
    QToolButton* m_playFromCue = nullptr;
    QToolButton* m_snap = nullptr;
    QLabel* m_segmentLabel = nullptr;
};

} // namespace zyn
