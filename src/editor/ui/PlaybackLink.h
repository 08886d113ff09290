#pragma once

#include <QObject>

class QWidget;

namespace zyn {

class CueGridModel;
class EditorCommands;
class IcGridModel;
class Playback;
class ShowDocument;
class ShowGridView;

// The soundtrack's playback in the editor: while the music plays, F11 writes
// the time of the sample heard into the current cue and moves to the next
// row (tap to cue, one undo step per tap), and the cues the playhead passes
// light their row and their channels for a moment.
class PlaybackLink : public QObject {
    Q_OBJECT

public:
    PlaybackLink(ShowDocument& document, EditorCommands& commands, ShowGridView& cueGrid,
                 CueGridModel& cues, IcGridModel& channels, QWidget& window);

    Playback& playback() const { return *m_playback; }
    void tap();

private:
    ShowDocument& m_document;
    EditorCommands& m_commands;
    ShowGridView& m_cueGrid;
    Playback* m_playback = nullptr;
};

} // namespace zyn
