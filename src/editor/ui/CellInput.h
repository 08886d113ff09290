#pragma once

#include "editor/EditResult.h"

#include <QObject>
#include <functional>

namespace zyn {

class ShowDocument;
class InputBox;
class ShowGridView;

// The three floating input boxes of the editor (txt_Eingabe for cue times and
// descriptions, txt_Eingabe_CUE for channels, txt_Eingabe_STEPPER for
// stepper outputs). A box opens over the current cell, remembers that cell,
// and commits on Enter, drops on Esc, and on losing the focus keeps its entry
// only when the user agrees (or is not asked). InputActive is set while a box
// is open, which holds every command back.
class CellInput : public QObject {
    Q_OBJECT

public:
    enum class Box { Cue, Channel, Stepper };

    CellInput(ShowDocument& document, ShowGridView& cues, ShowGridView& channels,
              ShowGridView& steppers, QObject* parent = nullptr);

    // Opens a box over its grid's current cell and types `typed` into it.
    void open(Box box, const QString& typed = QString());
    bool isOpen() const;
    InputBox& box(Box box) const;

    // Channel and stepper entries are committed by the editing operations:
    // (box, row, column, text) -> whether the box may close.
    using Committer = std::function<void(Box, int row, int column, const QString& text)>;
    void setCommitter(Committer committer) { m_committer = std::move(committer); }

    // Wraps a typed cue cell's change so it can be undone.
    using Recorder = std::function<void(const std::function<EditResult()>& change)>;
    void setRecorder(Recorder recorder) { m_recorder = std::move(recorder); }

    void applyBackground();

    // Settles an open box as leaving it would (asking first when the input
    // question is on); the window is about to close.
    void finish();
    // The window is going away: focus changes no longer mean anything.
    void shutDown() { m_shutDown = true; }

signals:
    void cueCellChanged(int row);
    void focused(bool inBox);

private:
    void enter(Box box);
    void escape(Box box);
    void focusLost(Box box);
    // Writes the entry; false when a time was refused and the box stays open.
    bool commit(Box box);
    bool commitCue();
    void close(Box box);
    ShowGridView& gridOf(Box box) const;
    QString initialText(Box box, int row, int column) const;

    ShowDocument& m_document;
    ShowGridView& m_cues;
    ShowGridView& m_channels;
    ShowGridView& m_steppers;
    InputBox* m_boxes[3];
    Committer m_committer;
    Recorder m_recorder;
    bool m_busy = false; // a commit is running: focus changes it causes are not the user's
    bool m_shutDown = false;
};

} // namespace zyn
