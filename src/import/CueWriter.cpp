#include "CueWriter.h"

#include "ChannelTarget.h"
#include "ImportTime.h"
#include "show/Show.h"

#include <algorithm>

namespace zyn {

namespace {

constexpr qsizetype MergedDescriptionLength = 50;

QList<const ImportRow*> inTimeOrder(const QList<ImportRow>& rows) {
    QList<const ImportRow*> ordered;
    ordered.reserve(rows.size());
    for (const ImportRow& row : rows)
        ordered.append(&row);
    std::stable_sort(ordered.begin(), ordered.end(), [](const ImportRow* a, const ImportRow* b) {
        return a->time.compare(b->time, Qt::CaseInsensitive) < 0;
    });
    return ordered;
}

} // namespace

CueWriteResult sb_Write_Cues(const QList<ImportRow>& rows, bool mergeEqualTimes, Show& show) {
    show.clearForTimeCodedShow();
    show.state.ProjectPath.clear();
    CueWriteResult result;
    QString previous;
    for (const ImportRow* row : inTimeOrder(rows)) {
        const QString timeCode = ImportTime::toTimeCode(row->time);
        const bool newCue = !(mergeEqualTimes && result.cues > 0 && timeCode == previous);
        previous = timeCode;
        if (newCue) {
            if (result.cues == MaxCues) {
                result.cueLimitReached = true;
                break;
            }
            CueRow& cue = show.cues.row(++result.cues);
            cue.TimeText = timeCode;
            cue.Description = row->description;
        } else {
            QString& description = show.cues.row(result.cues).Description;
            description = (description + QStringLiteral(", ") + row->description)
                              .left(MergedDescriptionLength);
        }
        const ChannelTarget target = ChannelTarget::of(*row);
        if (target.assigns()) {
            show.ics.cell(target.module, target.channel) = target.cellFor(result.cues);
            ++result.channels;
        }
    }
    show.state.ShowChanged = true;
    return result;
}

} // namespace zyn
