#include "PlaybackLink.h"

#include "CueGridModel.h"
#include "EditorCommands.h"
#include "IcGridModel.h"
#include "ShowGridView.h"
#include "document/ShowDocument.h"
#include "editor/CueTap.h"
#include "timeline/ui/Playback.h"

#include <QShortcut>

namespace zyn {

PlaybackLink::PlaybackLink(ShowDocument& document, EditorCommands& commands, ShowGridView& cueGrid,
                           CueGridModel& cues, IcGridModel& channels, QWidget& window)
    : QObject(&window), m_document(document), m_commands(commands), m_cueGrid(cueGrid),
      m_playback(new Playback(document, this)) {
    auto* tapKey = new QShortcut(QKeySequence(Qt::Key_F11), &window);
    tapKey->setObjectName(QStringLiteral("tapToCue"));
    tapKey->setContext(Qt::WidgetWithChildrenShortcut);
    // Auto-repeat would write one tap's time into the rows below.
    tapKey->setAutoRepeat(false);
    connect(tapKey, &QShortcut::activated, this, &PlaybackLink::tap);
    connect(m_playback, &Playback::cueReached, this, [&cues, &channels](int row) {
        cues.lightCue(row);
        channels.lightCue(row);
    });
}

void PlaybackLink::tap() {
    if (!m_playback->playing())
        return;
    // Read before anything else runs: the music goes on while the key is handled.
    const int heard = m_playback->heardCentiseconds();
    const QModelIndex current = m_cueGrid.currentIndex();
    const int row = current.isValid() ? current.row() + 1 : 1;
    m_commands.record([&] { return CueTap::write(m_document.show, row, heard); });
}

} // namespace zyn
