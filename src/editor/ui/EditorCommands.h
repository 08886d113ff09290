#pragma once

#include "editor/EditContext.h"
#include "editor/EditResult.h"

#include <QObject>
#include <functional>

namespace zyn {

class ShowDocument;

// Runs the editing operations for the editor window: builds their context,
// keeps the busy pointer up while they run and hands each change to the
// document, which records it for undo and tells every window.
class EditorCommands : public QObject {
    Q_OBJECT

public:
    EditorCommands(ShowDocument& document, QObject* parent = nullptr);

    // A fresh context for one operation (it refers to the document's show,
    // texts, settings and prompter).
    EditContext context();

    // Runs an operation; a change it reports becomes one undo step.
    void run(const std::function<EditResult(EditContext&)>& operation);

    // Records a change made outside the operations (a typed cell): `change`
    // alters the show and returns what it changed.
    void record(const std::function<EditResult()>& change);

    // Where operations show their status texts (status panel 1).
    void setStatusSink(std::function<void(const QString&)> sink) { m_status = std::move(sink); }

    // True while an operation runs: one that lets window events through
    // (the sort's progress) leaves the show half changed until it returns.
    bool running() const { return m_running; }

private:
    ShowDocument& m_document;
    std::function<void(const QString&)> m_status;
    bool m_running = false;
};

} // namespace zyn
