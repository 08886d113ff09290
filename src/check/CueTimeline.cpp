#include "CueTimeline.h"

#include "show/Show.h"
#include "show/ShowMode.h"
#include "transfer/TimeEntry.h"

namespace zyn {

namespace {

int bcdValue(char byte) {
    return (quint8(byte) >> 4) * 10 + (quint8(byte) & 0x0F);
}

CueTimeline::Row rowOf(const QByteArray& entry) {
    using Kind = CueTimeline::Kind;
    CueTimeline::Row row;
    const quint8 last = quint8(entry[TimeEntry::Size - 1]);
    if (entry.startsWith(QByteArray(TimeEntry::Size - 1, char(TimeEntry::NoTimeMarker)))) {
        switch (last) {
        case TimeEntry::NoTimeMarker:
            return row;
        case TimeEntry::StopMarker:
            row.kind = Kind::Stop;
            return row;
        case TimeEntry::TimedStopMarker:
            row.kind = Kind::TimedStop;
            return row;
        case TimeEntry::ResetStopMarker:
            row.kind = Kind::ResetStop;
            return row;
        default:
            break;
        }
    }
    row.kind = Kind::Timed;
    row.clockFields = bcdValue(entry[1]) < 60 && bcdValue(entry[2]) < 60;
    row.hundredths =
        ((qint64(bcdValue(entry[0])) * 60 + bcdValue(entry[1])) * 60 + bcdValue(entry[2])) * 100 +
        bcdValue(entry[3]);
    return row;
}

} // namespace

CueTimeline::CueTimeline(const Show& show, const StopLabels& labels) : m_rows(MaxCues) {
    const bool manual = show.state.ShowMode == ManualShow;
    int segment = 0;
    for (int r = 1; r <= MaxCues; ++r) {
        Row row = rowOf(TimeEntry::bytes(show.cues.row(r).TimeText, manual, labels));
        if (row.kind == Kind::ResetStop)
            ++segment;
        row.segment = segment;
        m_rows[std::size_t(r - 1)] = row;
    }
}

} // namespace zyn
