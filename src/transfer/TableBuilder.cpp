#include "TableBuilder.h"

#include "ChannelLists.h"
#include "TimeEntry.h"
#include "show/Show.h"

namespace zyn {

namespace {

const QByteArray Header("\xB1\x06\x8A\x0C", ControllerTable::HeaderSize);

void appendTimeSection(const Show& show, const StopLabels& labels, ControllerTable& table) {
    const bool manual = show.state.ShowMode == ManualShow;
    for (int r = 1; r <= MaxCues; ++r) {
        QByteArray bytes = TimeEntry::bytes(show.cues.row(r).TimeText, manual, labels);
        if (r == 1)
            bytes.prepend(Header);
        table.append({bytes, true, true});
    }
    for (int i = 0; i < ControllerTable::ZeroEntryCount; ++i)
        table.append({QByteArray(TimeEntry::Size, '\0'), true, false});
}

void appendRecords(const ChannelLists& lists, ControllerTable& table) {
    for (int q = 1; q <= MaxCues; ++q)
        table.append({lists.cue(q).bytes(), true, true});
    for (int k = 1; k <= ChannelLists::KeyCount; ++k)
        table.append({lists.key(k).bytes(), true, false});
}

} // namespace

TableBuilder::Result TableBuilder::build(const Show& show) const {
    Result result;
    ChannelLists lists;
    result.refusals = ChannelLists::collect(show.ics, lists);
    if (!result.ok())
        return result;
    ControllerTable& table = result.table;
    appendTimeSection(show, m_labels, table);
    appendRecords(lists, table);
    for (int i = 0; i < ControllerTable::FillerSize; ++i)
        table.append({QByteArray(1, char(ControllerTable::FillerByte)), false, false});
    table.append({QByteArray(1, char(table.runningSum())), false, false});
    return result;
}

} // namespace zyn
