#include "TableDecoder.h"

#include "transfer/ControllerTable.h"
#include "transfer/TimeEntry.h"

namespace zyn {

namespace {

constexpr char Header[] = {char(0xB1), char(0x06), char(0x8A), char(0x0C)};
constexpr qsizetype RecordHead = 3;
constexpr qsizetype EntrySize = 3;
constexpr int HighestChannel = MaxSlaves * ChannelsPerSlave;

bool isPackedDecimal(quint8 byte) {
    return (byte >> 4) <= 9 && (byte & 0x0F) <= 9;
}

int packedValue(quint8 byte) {
    return (byte >> 4) * 10 + (byte & 0x0F);
}

// The row's entry, or nothing when the four bytes are neither a time nor a
// marker. Markers are 99 99 99 followed by their own last byte.
std::optional<PlanTime> timeOf(QByteArrayView entry) {
    const auto at = [&](int i) { return quint8(entry[i]); };
    if (at(0) == TimeEntry::NoTimeMarker && at(1) == TimeEntry::NoTimeMarker &&
        at(2) == TimeEntry::NoTimeMarker) {
        switch (at(3)) {
        case TimeEntry::NoTimeMarker:
            return PlanTime::of(PlanTime::Kind::None);
        case TimeEntry::StopMarker:
            return PlanTime::of(PlanTime::Kind::Stop);
        case TimeEntry::TimedStopMarker:
            return PlanTime::of(PlanTime::Kind::TimedStop);
        case TimeEntry::ResetStopMarker:
            return PlanTime::of(PlanTime::Kind::ResetStop);
        default:
            break;
        }
    }
    quint32 digits = 0;
    for (int i = 0; i < 4; ++i) {
        if (!isPackedDecimal(at(i)))
            return std::nullopt;
        digits = digits * 100 + quint32(packedValue(at(i)));
    }
    return PlanTime::time(digits);
}

} // namespace

PlanReading TableDecoder::decode(QByteArrayView bytes) {
    TableDecoder decoder(bytes);
    FiringPlan plan;
    plan.source = FiringPlan::Source::Table;
    bool ok = decoder.readHeader() && decoder.readTimes(plan) && decoder.readZeroEntries();
    for (int cue = 1; ok && cue <= MaxCues; ++cue)
        ok = decoder.readRecord({"cue", cue}, plan.cue(cue).channels);
    for (int key = 1; ok && key <= MaxKey; ++key)
        ok = decoder.readRecord({"key", key}, plan.key(key));
    ok = ok && decoder.readTail(plan);
    if (!ok)
        return {std::nullopt, decoder.m_cursor.error()};
    return {std::move(plan), {}};
}

bool TableDecoder::readHeader() {
    QByteArrayView header;
    if (!m_cursor.take(
            ControllerTable::HeaderSize, [] { return QStringLiteral("the header B1 06 8A 0C"); },
            &header))
        return false;
    if (header != QByteArrayView(Header, sizeof Header))
        return m_cursor.fail(0, QStringLiteral("expected the header B1 06 8A 0C, found %1")
                                    .arg(ByteCursor::hex(header)));
    return true;
}

bool TableDecoder::readTimes(FiringPlan& plan) {
    for (int row = 1; row <= MaxCues; ++row) {
        const qsizetype at = m_cursor.offset();
        QByteArrayView entry;
        if (!m_cursor.take(
                TimeEntry::Size,
                [row] { return QStringLiteral("the time of cue row %1").arg(row); }, &entry))
            return false;
        const std::optional<PlanTime> time = timeOf(entry);
        if (!time)
            return m_cursor.fail(at, QStringLiteral("expected the time of cue row %1 as packed "
                                                    "decimal digits or a marker, found %2")
                                         .arg(row)
                                         .arg(ByteCursor::hex(entry)));
        plan.cue(row).time = *time;
    }
    return true;
}

bool TableDecoder::readZeroEntries() {
    for (int n = 1; n <= ControllerTable::ZeroEntryCount; ++n) {
        const qsizetype at = m_cursor.offset();
        QByteArrayView entry;
        if (!m_cursor.take(
                TimeEntry::Size, [n] { return QStringLiteral("zero entry %1").arg(n); }, &entry))
            return false;
        if (entry != QByteArrayView("\0\0\0\0", TimeEntry::Size))
            return m_cursor.fail(at,
                                 QStringLiteral("expected zero entry %1 as 00 00 00 00, found %2")
                                     .arg(n)
                                     .arg(ByteCursor::hex(entry)));
    }
    return true;
}

bool TableDecoder::readRecord(const Owner& owner, PlanChannels& channels) {
    const qsizetype at = m_cursor.offset();
    QByteArrayView head;
    if (!m_cursor.take(
            RecordHead, [&] { return QStringLiteral("the record of %1").arg(owner.text()); },
            &head))
        return false;
    if (head[0] != 0 || head[1] != 0)
        return m_cursor.fail(at, QStringLiteral("expected the record of %1 to begin with 00 00, "
                                                "found %2")
                                     .arg(owner.text(), ByteCursor::hex(head.first(2))));
    const int count = quint8(head[2]);
    QByteArrayView body;
    if (!m_cursor.take(
            EntrySize * qMax(count, 1),
            [&] {
                return QStringLiteral("the %1 channels of %2's record")
                    .arg(count)
                    .arg(owner.text());
            },
            &body))
        return false;
    if (count == 0) {
        if (body != QByteArrayView("\0\0\0", EntrySize))
            return m_cursor.fail(at + RecordHead,
                                 QStringLiteral("expected 00 00 00 after the empty count of "
                                                "%1's record, found %2")
                                     .arg(owner.text(), ByteCursor::hex(body)));
        return true;
    }
    int previous = 0;
    for (int e = 0; e < count; ++e) {
        const qsizetype entryAt = at + RecordHead + EntrySize * e;
        const int level = m_cursor.byte(entryAt);
        const int number = m_cursor.bigEndian16(entryAt + 1);
        if (number <= previous || number > HighestChannel)
            return m_cursor.fail(entryAt + 1,
                                 QStringLiteral("expected in %1's record a channel number from "
                                                "%2 to %3, found %4")
                                     .arg(owner.text())
                                     .arg(previous + 1)
                                     .arg(HighestChannel)
                                     .arg(number));
        if (level > MaxLevel)
            return m_cursor.fail(entryAt, QStringLiteral("expected in %1's record a level from 0 "
                                                         "to %2, found %3")
                                              .arg(owner.text())
                                              .arg(MaxLevel)
                                              .arg(level));
        previous = number;
        channels.push_back(
            {(number - 1) / ChannelsPerSlave + 1, (number - 1) % ChannelsPerSlave + 1, level});
    }
    return true;
}

bool TableDecoder::readTail(FiringPlan& plan) {
    QByteArrayView filler;
    QByteArrayView checksum;
    if (!m_cursor.take(
            ControllerTable::FillerSize, [] { return QStringLiteral("the filler bytes"); },
            &filler) ||
        !m_cursor.take(
            1, [] { return QStringLiteral("the checksum"); }, &checksum))
        return false;
    if (m_cursor.remaining() > 0)
        return m_cursor.fail(m_cursor.offset(),
                             QStringLiteral("expected the end of the table after the checksum, "
                                            "found %1 more bytes")
                                 .arg(m_cursor.remaining()));
    const qsizetype at = m_cursor.offset() - 1;
    quint8 sum = 0;
    for (qsizetype i = 0; i < at; ++i)
        sum = quint8(sum + m_cursor.byte(i));
    plan.checksum = FiringPlan::Checksum{at, quint8(checksum[0]), sum};
    return true;
}

} // namespace zyn
