#include "ChannelLists.h"

#include "show/IcTable.h"
#include "show/NumericText.h"

#include <cmath>

namespace zyn {

namespace {

// A whole number within [low, high], or nothing.
std::optional<int> wholeIn(double value, int low, int high) {
    if (!(value >= low && value <= high) || value != std::floor(value))
        return std::nullopt;
    return static_cast<int>(value);
}

void checkCount(const ChannelRecord& record, TableRefusal::Holder holder, int number,
                std::vector<TableRefusal>& refusals) {
    if (record.fitsCountByte())
        return;
    TableRefusal refusal;
    refusal.reason = TableRefusal::Reason::TooManyChannels;
    refusal.holder = holder;
    refusal.number = number;
    refusal.count = record.count();
    refusals.push_back(refusal);
}

TableRefusal badLevel(int slave, int channel, const QString& cell) {
    TableRefusal refusal;
    refusal.reason = TableRefusal::Reason::LevelOutOfRange;
    refusal.slave = slave;
    refusal.channel = channel;
    refusal.cell = cell;
    return refusal;
}

} // namespace

ChannelLists::Cell ChannelLists::read(const QString& cell) {
    Cell result;
    if (cell.trimmed().isEmpty())
        return result;
    const QStringView text(cell);
    const qsizetype dash = text.indexOf(u'-');
    const QStringView first = dash < 0 ? text : text.first(dash);
    if (dash >= 0) {
        const qsizetype next = text.indexOf(u'-', dash + 1);
        const QStringView second =
            next < 0 ? text.mid(dash + 1) : text.mid(dash + 1, next - dash - 1);
        result.level = NumericText::leadingValue(second);
    }
    if (first.size() >= 3 && first.startsWith(u'K')) {
        if (const auto key = wholeIn(NumericText::leadingValue(first.mid(2)), MinKey, MaxKey)) {
            result.target = Cell::Target::Key;
            result.number = *key;
        }
        return result;
    }
    if (const auto cue = wholeIn(NumericText::leadingValue(first), 1, MaxCues)) {
        result.target = Cell::Target::Cue;
        result.number = *cue;
    }
    return result;
}

std::vector<TableRefusal> ChannelLists::collect(const IcTable& ics, ChannelLists& lists) {
    lists = ChannelLists();
    std::vector<TableRefusal> refusals;
    for (int s = 1; s <= MaxSlaves; ++s) {
        for (int c = 1; c <= ChannelsPerSlave; ++c) {
            const Cell cell = read(ics.cell(s, c));
            if (cell.target == Cell::Target::None)
                continue;
            const auto level = wholeIn(cell.level, 0, MaxLevel);
            if (!level)
                refusals.push_back(badLevel(s, c, ics.cell(s, c)));
            const ChannelEntry entry{quint8(level.value_or(0)),
                                     ChannelEntry::channelNumberOf(s, c)};
            if (cell.target == Cell::Target::Cue)
                lists.m_cues[std::size_t(cell.number - 1)].append(entry);
            else
                lists.m_keys[std::size_t(cell.number - 1)].append(entry);
        }
    }
    for (int q = 1; q <= MaxCues; ++q)
        checkCount(lists.cue(q), TableRefusal::Holder::Cue, q, refusals);
    for (int k = 1; k <= KeyCount; ++k)
        checkCount(lists.key(k), TableRefusal::Holder::Key, k, refusals);
    return refusals;
}

} // namespace zyn
