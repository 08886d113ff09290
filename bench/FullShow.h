#pragma once

#include "editor/TimeCode.h"
#include "show/Show.h"

#include <memory>

namespace zyn::bench {

// The largest show the program handles: 3200 timed cues with 64-character
// descriptions and every channel firing, `perCue` channels on each of the
// first cues (one channel per cue by default), each with a security level.
inline std::unique_ptr<Show> fullShow(int perCue = 1) {
    auto show = std::make_unique<Show>();
    show->clearForTimeCodedShow();
    for (int r = 1; r <= MaxCues; ++r) {
        CueRow& cue = show->cues.row(r);
        const qint64 t = qint64(r) * 37;
        cue.TimeText =
            TimeCode{int(t / 360000), int(t / 6000 % 60), int(t / 100 % 60), int(t % 100)}.text();
        cue.Description = QStringLiteral("Cue %1 comet, red and gold, with crackling tail: ")
                              .arg(r, 4, 10, QLatin1Char('0'))
                              .leftJustified(64, u'x', true);
    }
    int channel = 0;
    for (int s = 1; s <= MaxSlaves; ++s) {
        for (int c = 1; c <= ChannelsPerSlave; ++c, ++channel) {
            const int cue = channel / perCue + 1;
            show->ics.cell(s, c) = QString::number(cue) + u'-' + QString::number(cue % 10 + 1);
        }
    }
    return show;
}

} // namespace zyn::bench
