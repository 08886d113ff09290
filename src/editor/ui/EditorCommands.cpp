#include "EditorCommands.h"

#include "document/ShowDocument.h"
#include "editor/ShowSnapshot.h"
#include "platform/widgets/BusyCursor.h"

#include <QScopedValueRollback>

namespace zyn {

EditorCommands::EditorCommands(ShowDocument& document, QObject* parent)
    : QObject(parent), m_document(document) {}

EditContext EditorCommands::context() {
    return EditContext{m_document.show, m_document.texts(), m_document.settings(),
                       m_document.prompter, m_status};
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
    m_document.recordChange(before, result);
}

void EditorCommands::record(const std::function<EditResult()>& change) {
    const ShowSnapshot before = ShowSnapshot::of(m_document.show);
    m_document.recordChange(before, change());
}

} // namespace zyn
