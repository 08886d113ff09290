#include "SnapshotStep.h"

namespace zyn {

SnapshotStep::SnapshotStep(Show& show, ShowSnapshot before, ShowSnapshot after,
                           std::function<void()> restored)
    : m_show(show), m_before(std::move(before)), m_after(std::move(after)),
      m_restored(std::move(restored)) {}

void SnapshotStep::undo() {
    m_before.restoreTo(m_show);
    m_restored();
}

void SnapshotStep::redo() {
    // The change is already in the show when the step is pushed.
    if (m_first) {
        m_first = false;
        return;
    }
    m_after.restoreTo(m_show);
    m_restored();
}

} // namespace zyn
