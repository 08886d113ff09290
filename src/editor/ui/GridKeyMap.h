#pragma once

#include <QHash>
#include <QObject>
#include <QString>

class QKeyEvent;

namespace zyn {

// The keyboard map of the editor's three grids: turns key events into editor
// actions (the editor maps double clicks and the right button itself). Keys it does not map (arrows
// up and down, page keys, Home, End, Shift+arrows for the selection) go on to the grid.
class GridKeyMap : public QObject {
    Q_OBJECT

public:
    enum class Grid { Cues, Channels, Steppers };

    enum class Action {
        OpenBox,    // open the grid's input box, typing `text` into it
        MoveToTime, // cue grid: current column becomes the time
        MoveToDescription,
        Copy,
        Swap,
        InsertCue,
        Delete,
        DeleteCueChannels, // cue grid: Backspace
        EnterCell,         // channel grid: Enter or double click
        PutCue,            // put the current cue into the selected cells
        SecurityLevel,     // F1..F10 (level 1..10) and F12 (level 0: clear)
        KeyDialog,         // channel grid: K
    };

    explicit GridKeyMap(QObject* parent = nullptr);

    // Watches a grid; key events the map handles never reach it.
    void watch(QObject* grid, Grid kind);

    // While set, the next key event in a grid is swallowed and clears it.
    bool ignoreNextKey = false;
    // F keys and K act only in a time-coded show.
    bool timeCodedShow = true;

signals:
    void action(zyn::GridKeyMap::Grid grid, zyn::GridKeyMap::Action action, int level,
                const QString& text);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    bool cueKeyPress(const QKeyEvent& key);
    bool cueKeyRelease(const QKeyEvent& key);
    bool channelKeyPress(const QKeyEvent& key);
    bool channelKeyRelease(const QKeyEvent& key);
    bool stepperKeyRelease(const QKeyEvent& key);
    bool functionKey(Grid grid, const QKeyEvent& key);
    // The digit 0..9 a key stands for, or -1.
    int digitOf(const QKeyEvent& key) const;
    void emitAction(Grid grid, Action act, int level = 0, const QString& text = QString());

    QHash<QObject*, Grid> m_grids;
    // Whether key events carry XKB keycodes, which place a key on the keyboard.
    bool m_xkbKeycodes = false;
};

} // namespace zyn
