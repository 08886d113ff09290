#include "CardDecoder.h"

#include "ByteCursor.h"
#include "transfer/CardImage.h"

namespace zyn {

namespace {

constexpr char StartBlock[] = {0, 0, 0, 0};
constexpr char EndBlock[] = {0, 0, 0, 1};
constexpr int HighestChannel = MaxSlaves * ChannelsPerSlave;

constexpr int timeAt(int row) {
    return CardImage::TimesAddress + CardImage::TimeEntrySize * (row - 1);
}
constexpr int cueNumberAt(int channel) {
    return CardImage::CueNumbersAddress + CardImage::ChannelEntrySize * (channel - 1);
}
constexpr int levelAt(int channel) {
    return CardImage::LevelsAddress + CardImage::ChannelEntrySize * (channel - 1);
}

bool checkSize(ByteCursor& cursor) {
    const qsizetype size = cursor.all().size();
    if (size < CardImage::Size)
        return cursor.fail(size, QStringLiteral("expected a card image of %1 bytes, the data ends "
                                                "after %2 bytes")
                                     .arg(CardImage::Size)
                                     .arg(size));
    if (size > CardImage::Size)
        return cursor.fail(CardImage::Size, QStringLiteral("expected the end of the card image, "
                                                           "found %1 more bytes")
                                                .arg(size - CardImage::Size));
    return true;
}

bool checkBlock(ByteCursor& cursor, int at, QByteArrayView block, const QString& name,
                const QString& meaning = {}) {
    const QByteArrayView found = cursor.all().sliced(at, block.size());
    if (found == block)
        return true;
    return cursor.fail(at, QStringLiteral("expected the %1 %2, found %3%4")
                               .arg(name, ByteCursor::hex(block), ByteCursor::hex(found), meaning));
}

// Bits 15-8, 7-0, 31-24, 23-16 of N, in this order.
bool readTimes(ByteCursor& cursor, FiringPlan& plan) {
    for (int row = 1; row <= MaxCues; ++row) {
        const int at = timeAt(row);
        const quint32 value = (quint32(cursor.bigEndian16(at + 2)) << 16) | cursor.bigEndian16(at);
        if (value > PlanTime::ManualShowValue)
            return cursor.fail(at, QStringLiteral("expected the time of cue row %1 as a number of "
                                                  "at most eight digits, found %2")
                                       .arg(row)
                                       .arg(value));
        plan.cue(row).time = value == PlanTime::ManualShowValue
                                 ? PlanTime::of(PlanTime::Kind::ManualShow)
                                 : PlanTime::time(value);
    }
    return true;
}

bool readChannels(ByteCursor& cursor, FiringPlan& plan) {
    for (int n = 1; n <= HighestChannel; ++n) {
        const int cue = cursor.bigEndian16(cueNumberAt(n));
        const int level = cursor.bigEndian16(levelAt(n));
        if (cue > MaxCues)
            return cursor.fail(cueNumberAt(n),
                               QStringLiteral("expected for channel %1 a cue number from 0 to %2, "
                                              "found %3")
                                   .arg(n)
                                   .arg(MaxCues)
                                   .arg(cue));
        const int highest = cue == 0 ? 0 : MaxLevel;
        if (level > highest)
            return cursor.fail(levelAt(n),
                               QStringLiteral("expected for channel %1 a level from 0 to %2, "
                                              "found %3")
                                   .arg(n)
                                   .arg(highest)
                                   .arg(level));
        if (cue != 0)
            plan.cue(cue).channels.push_back(
                {(n - 1) / ChannelsPerSlave + 1, (n - 1) % ChannelsPerSlave + 1, level});
    }
    return true;
}

} // namespace

PlanReading CardDecoder::decode(QByteArrayView bytes) {
    ByteCursor cursor(bytes);
    FiringPlan plan;
    plan.source = FiringPlan::Source::Card;
    const bool ok = checkSize(cursor) &&
                    checkBlock(cursor, CardImage::StartBlockAddress, QByteArrayView(StartBlock, 4),
                               QStringLiteral("start block")) &&
                    checkBlock(cursor, CardImage::EndBlockAddress, QByteArrayView(EndBlock, 4),
                               QStringLiteral("end block"),
                               QStringLiteral(" (the card was not written to the end)")) &&
                    readTimes(cursor, plan) && readChannels(cursor, plan);
    if (!ok)
        return {std::nullopt, cursor.error()};
    return {std::move(plan), {}};
}

} // namespace zyn
