#pragma once

#include "editor/EditContext.h"
#include "editor/EditResult.h"

#include <QObject>
#include <functional>
#include <memory>

class QUndoStack;

namespace zyn {

class ShowDocument;
class ShowSnapshot;

// Runs the editing operations for the editor window: builds their context,
// keeps the busy pointer up while they run, records each change for undo
// and redo, and tells the window what to redraw.
class EditorCommands : public QObject {
    Q_OBJECT

public:
    EditorCommands(ShowDocument& document, QObject* parent = nullptr);
    ~EditorCommands() override;

    // A fresh context for one operation (it refers to the document's show,
    // texts, settings and prompter).
    EditContext context();

    // Runs an operation; a change it reports becomes one undo step and its
    // result goes to resultReady().
    void run(const std::function<EditResult(EditContext&)>& operation);

    // Records a change made outside the operations (a typed cell, an import):
    // `change` alters the show and returns what it changed.
    void record(const std::function<EditResult()>& change);

    // Where operations show their status texts (status panel 1).
    void setStatusSink(std::function<void(const QString&)> sink) { m_status = std::move(sink); }

    // A change another window makes in one go (an import replacing the
    // show): the show as it was is kept from begin to end, then recorded as
    // one undo step.
    void beginOutsideChange();
    void endOutsideChange();

    // True while an operation runs: one that lets window events through
    // (the sort's progress) leaves the show half changed until it returns.
    bool running() const { return m_running; }

    QUndoStack& history() const { return *m_history; }
    // A new or loaded show starts without history; so does a language change,
    // whose relabelled stops older snapshots would undo.
    void clearHistory();

signals:
    void resultReady(const zyn::EditResult& result);

private:
    void push(const ShowSnapshot& before, const EditResult& result);

    ShowDocument& m_document;
    QUndoStack* m_history;
    std::function<void(const QString&)> m_status;
    std::unique_ptr<ShowSnapshot> m_outsideBefore;
    bool m_running = false;
};

} // namespace zyn
