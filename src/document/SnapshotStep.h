#pragma once

#include "editor/ShowSnapshot.h"

#include <QUndoCommand>
#include <functional>

namespace zyn {

// One undo step: the tables before and after a change, and what to tell the
// windows after either was brought back.
class SnapshotStep : public QUndoCommand {
public:
    SnapshotStep(Show& show, ShowSnapshot before, ShowSnapshot after,
                 std::function<void()> restored);

    void undo() override;
    void redo() override;

private:
    Show& m_show;
    ShowSnapshot m_before;
    ShowSnapshot m_after;
    std::function<void()> m_restored;
    bool m_first = true;
};

} // namespace zyn
