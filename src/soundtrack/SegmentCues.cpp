#include "SegmentCues.h"

#include "editor/EditContext.h"
#include "editor/TimeCode.h"
#include "show/CueTable.h"

#include <algorithm>

namespace zyn {

std::vector<SegmentCues::Cue> SegmentCues::of(const CueTable& cues, const StopLabels& tableLabels,
                                              int segment) {
    const StopLabels labels = EditContext::usableLabels(tableLabels);
    std::vector<Cue> found;
    int current = 1;
    int time = 0;
    for (int r = 1; r <= CueTable::rowCount() && current <= segment; ++r) {
        const QString& text = cues.row(r).TimeText;
        if (text.trimmed() == labels.stop || text.startsWith(labels.timedStop)) {
            if (current == segment)
                found.push_back({time, r, true});
        } else if (text.startsWith(labels.resetStop)) {
            ++current;
            time = 0;
        } else if (TimeCode::hasForm(text)) {
            time = int(TimeCode::readPositional(text).totalHundredths());
            if (current == segment)
                found.push_back({time, r, false});
        }
    }
    std::stable_sort(found.begin(), found.end(),
                     [](const Cue& a, const Cue& b) { return a.centiseconds < b.centiseconds; });
    return found;
}

} // namespace zyn
