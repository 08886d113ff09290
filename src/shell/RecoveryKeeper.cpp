#include "RecoveryKeeper.h"

#include "document/ShowDocument.h"
#include "editor/EditResult.h"
#include "editor/ui/EditorCommands.h"

#include <QTimer>

namespace zyn {

RecoveryKeeper::RecoveryKeeper(ShowDocument& document, EditorCommands& commands, QObject* parent)
    : QObject(parent), m_document(document), m_commands(commands), m_timer(new QTimer(this)) {
    m_timer->setObjectName(QStringLiteral("TimerRecovery"));
    m_timer->setInterval(IntervalMs);
    connect(m_timer, &QTimer::timeout, this, &RecoveryKeeper::tick);
    connect(&document, &ShowDocument::cellsChanged, this, &RecoveryKeeper::edited);
    m_timer->start();
}

bool RecoveryKeeper::changesManyCells(const EditResult& result) {
    if (result.everything)
        return true;
    const RowSpan& cues = result.cueRows;
    // Each cue row holds a time and a description.
    const int cueCells = cues.isEmpty() ? 0 : 2 * (cues.last - cues.first + 1);
    return cueCells + result.icCells.cellCount() > ManyCells;
}

void RecoveryKeeper::tick() {
    if (m_commands.running()) {
        m_due = true;
        return;
    }
    m_document.keepRecoveryCopy();
}

void RecoveryKeeper::edited(const EditResult& result) {
    if (!m_due && !changesManyCells(result))
        return;
    m_due = false;
    m_document.keepRecoveryCopy();
}

} // namespace zyn
