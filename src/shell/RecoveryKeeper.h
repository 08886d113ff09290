#pragma once

#include <QObject>

class QTimer;

namespace zyn {

class ShowDocument;
class EditorCommands;
struct EditResult;

// Keeps the recovery copy in step with the show while the program runs: at
// most once a minute while the show has unsaved changes, and at once after
// an operation that changed many cells (a sort, an import, a shift, an undo),
// so that a crash costs at most a minute of typing and never a bulk change.
// It writes only between operations, never a show half way through one.
class RecoveryKeeper : public QObject {
    Q_OBJECT

public:
    static constexpr int IntervalMs = 60 * 1000;
    // More cells than one slave module has channels count as many.
    static constexpr int ManyCells = 16;

    RecoveryKeeper(ShowDocument& document, EditorCommands& commands, QObject* parent = nullptr);

    static bool changesManyCells(const EditResult& result);

private:
    void tick();
    void edited(const EditResult& result);

    ShowDocument& m_document;
    EditorCommands& m_commands;
    QTimer* m_timer;
    // A tick came while an operation ran: the copy is written after it.
    bool m_due = false;
};

} // namespace zyn
