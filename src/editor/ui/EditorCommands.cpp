#include "EditorCommands.h"

#include "document/ShowDocument.h"
#include "editor/ShowSnapshot.h"
#include "platform/widgets/BusyCursor.h"

#include <QScopedValueRollback>
#include <QUndoCommand>
#include <QUndoStack>

namespace zyn {

namespace {

// One undo step: the tables before and after a change.
class SnapshotCommand : public QUndoCommand {
public:
    SnapshotCommand(Show& show, ShowSnapshot before, ShowSnapshot after,
                    std::function<void()> changed)
        : m_show(show), m_before(std::move(before)), m_after(std::move(after)),
          m_changed(std::move(changed)) {}

    void undo() override {
        m_before.restoreTo(m_show);
        m_changed();
    }
    void redo() override {
        // The change is already in the show when the step is pushed.
        if (m_first) {
            m_first = false;
            return;
        }
        m_after.restoreTo(m_show);
        m_changed();
    }

private:
    Show& m_show;
    ShowSnapshot m_before;
    ShowSnapshot m_after;
    std::function<void()> m_changed;
    bool m_first = true;
};

} // namespace

EditorCommands::EditorCommands(ShowDocument& document, QObject* parent)
    : QObject(parent), m_document(document), m_history(new QUndoStack(this)) {
    m_history->setUndoLimit(200);
}

EditorCommands::~EditorCommands() = default;

EditContext EditorCommands::context() {
    return EditContext{m_document.show, m_document.texts, m_document.settings, m_document.prompter,
                       m_status};
}

void EditorCommands::run(const std::function<EditResult(EditContext&)>& operation) {
    const ShowSnapshot before = ShowSnapshot::of(m_document.show);
    EditResult result;
    {
        const BusyCursor busy;
        const QScopedValueRollback running(m_running, true);
        EditContext edit = context();
        result = operation(edit);
    }
    push(before, result);
}

void EditorCommands::record(const std::function<EditResult()>& change) {
    const ShowSnapshot before = ShowSnapshot::of(m_document.show);
    push(before, change());
}

void EditorCommands::push(const ShowSnapshot& before, const EditResult& result) {
    if (result.changed) {
        EditResult everything;
        everything.everything = true;
        m_history->push(new SnapshotCommand(m_document.show, before,
                                            ShowSnapshot::of(m_document.show),
                                            [this, everything] { emit resultReady(everything); }));
    }
    emit resultReady(result);
}

void EditorCommands::clearHistory() {
    m_history->clear();
}

void EditorCommands::beginOutsideChange() {
    m_outsideBefore = std::make_unique<ShowSnapshot>(ShowSnapshot::of(m_document.show));
}

void EditorCommands::endOutsideChange() {
    if (!m_outsideBefore)
        return;
    EditResult result;
    result.changed = true;
    result.everything = true;
    push(*m_outsideBefore, result);
    m_outsideBefore.reset();
}

} // namespace zyn
