#include "CardImage.h"

#include "ChannelEntry.h"
#include "ChannelLists.h"
#include "editor/TimeCode.h"
#include "show/Show.h"

#include <cmath>

namespace zyn {

namespace {

static_assert(CardImage::timeAddress(MaxCues + 1) == CardImage::CueNumbersAddress);
static_assert(CardImage::cueNumberAddress(MaxCues + 1) == CardImage::LevelsAddress);
static_assert(CardImage::levelAddress(MaxCues + 1) == CardImage::EndBlockAddress);
static_assert(CardImage::EndBlockAddress + CardImage::BlockSize == CardImage::Size);

void put16(QByteArray& image, int address, quint16 value) {
    image[address] = char(value >> 8);
    image[address + 1] = char(value & 0xFF);
}

} // namespace

quint32 CardImage::timeValue(const QString& timeText) {
    const QString digits = timeText.mid(0, 2) + timeText.mid(3, 2) + timeText.mid(6, 2) +
                           timeText.left(TimeCode::Length).right(2);
    quint32 value = 0;
    for (const QChar c : digits) {
        if (c < u'0' || c > u'9')
            break;
        value = value * 10 + quint32(c.unicode() - u'0');
    }
    return value;
}

QByteArray CardImage::timeEntry(const QString& timeText, bool manualShow) {
    const quint32 value = manualShow ? ManualShowTime : timeValue(timeText);
    QByteArray bytes(TimeEntrySize, '\0');
    bytes[0] = char((value >> 8) & 0xFF);
    bytes[1] = char(value & 0xFF);
    bytes[2] = char((value >> 24) & 0xFF);
    bytes[3] = char((value >> 16) & 0xFF);
    return bytes;
}

CardImage::ChannelValues CardImage::channelValues(const QString& cell) {
    const ChannelLists::Cell read = ChannelLists::read(cell);
    ChannelValues entry;
    if (read.target != ChannelLists::Cell::Target::Cue)
        return entry;
    entry.cue = quint16(read.number);
    const double level = read.level;
    entry.levelInRange = level >= 0 && level <= MaxLevel && level == std::floor(level);
    entry.level = entry.levelInRange ? quint16(level) : 0;
    return entry;
}

CardImage::Result CardImage::build(const Show& show) {
    Result result;
    QByteArray image(Size, '\0');
    const bool manual = show.state.ShowMode == ManualShow;
    for (int row = 1; row <= MaxCues; ++row)
        image.replace(timeAddress(row), TimeEntrySize,
                      timeEntry(show.cues.row(row).TimeText, manual));
    for (int slave = 1; slave <= MaxSlaves; ++slave) {
        for (int channel = 1; channel <= ChannelsPerSlave; ++channel) {
            const QString& cell = show.ics.cell(slave, channel);
            const ChannelValues entry = channelValues(cell);
            if (!entry.levelInRange) {
                TableRefusal refusal;
                refusal.reason = TableRefusal::Reason::LevelOutOfRange;
                refusal.slave = slave;
                refusal.channel = channel;
                refusal.cell = cell;
                result.refusals.push_back(refusal);
                continue;
            }
            const int n = zyn::ChannelEntry::channelNumberOf(slave, channel);
            put16(image, cueNumberAddress(n), entry.cue);
            put16(image, levelAddress(n), entry.level);
        }
    }
    if (!result.ok())
        return result;
    image[Size - 1] = 1;
    result.bytes = image;
    return result;
}

} // namespace zyn
