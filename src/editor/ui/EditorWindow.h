#pragma once

#include "GridKeyMap.h"

#include <QHash>
#include <QWidget>
#include <functional>

class QSplitter;
class QTimer;

namespace zyn {

class ShowDocument;
class CellInput;
class EditorCommands;
struct EditResult;
class CueGridModel;
class IcGridModel;
class PlaybackLink;
class ShowGridView;
class StepperGridModel;
class TimelinePane;
class TimelineSplitter;
struct Settings;

// frmProjektfenster: the show in three grids side by side (cues; channels
// above steppers), the floating input boxes, the keyboard map, and the
// command timer that runs the edit commands the main window queues in
// PendingCommand.
class EditorWindow : public QWidget {
    Q_OBJECT

public:
    explicit EditorWindow(ShowDocument& document, QWidget* parent = nullptr);
    ~EditorWindow() override;

    // Grid headers in the current language.
    void relabel();
    // TimerProjekt: the queued command runs on its next tick.
    void startCommandTimer();
    // The next key in a grid is swallowed (after a file dialog closed).
    void ignoreNextKey();
    // The show was replaced (new or loaded): every grid is redrawn.
    void showReplaced();
    // The cue sort; with askFirst false it asks nothing.
    void sortCues(bool askFirst);
    // The settings as they are now, with the current layout in twips.
    Settings settingsWithLayout() const;

    ShowGridView& cueGrid() const { return *m_cueGrid; }
    ShowGridView& icGrid() const { return *m_icGrid; }
    ShowGridView& stepperGrid() const { return *m_stepperGrid; }
    CellInput& input() const { return *m_input; }
    EditorCommands& commands() const { return *m_commands; }
    PlaybackLink& playback() const { return *m_playback; }
    TimelinePane& timeline() const { return *m_timeline; }
    TimelineSplitter& timelineSplitter() const { return *m_timelineSplitter; }

private:
    void buildLayout();
    void layoutGrids();
    void followDocument();
    void buildOperations();
    void runPendingCommand();
    // Runs the operation of an action code; false for a code it has none for.
    bool runOperation(const QString& actionCode);
    void onGridAction(GridKeyMap::Grid grid, GridKeyMap::Action action, int level,
                      const QString& text);
    void cueAction(GridKeyMap::Action action, const QString& text);
    void channelAction(GridKeyMap::Action action, int level, const QString& text);
    void stepperAction(GridKeyMap::Action action, int level, const QString& text);
    static int securityKeyCode(int level);
    void cueCellEntered();
    void channelCellEntered();
    void saveProject();
    void refreshAll();
    void apply(const EditResult& result);
    void openKeyDialog();
    void openTimeShift();
    void enableSwap(int which);
    int currentCueRow() const;
    int twipsToPixels(int twips) const;
    int pixelsToTwips(int pixels) const;

    ShowDocument& m_document;
    ShowGridView* m_cueGrid = nullptr;
    ShowGridView* m_icGrid = nullptr;
    ShowGridView* m_stepperGrid = nullptr;
    CueGridModel* m_cueModel = nullptr;
    IcGridModel* m_icModel = nullptr;
    StepperGridModel* m_stepperModel = nullptr;
    QSplitter* m_splitter = nullptr;
    TimelinePane* m_timeline = nullptr;
    TimelineSplitter* m_timelineSplitter = nullptr;
    GridKeyMap* m_keyMap = nullptr;
    CellInput* m_input = nullptr;
    EditorCommands* m_commands = nullptr;
    PlaybackLink* m_playback = nullptr;
    QTimer* m_commandTimer = nullptr;
    QTimer* m_keyTimer = nullptr;
    // The operation of every action code the toolbar, the menus and the
    // grids' keys share.
    QHash<QString, std::function<void()>> m_operations;
};

} // namespace zyn
