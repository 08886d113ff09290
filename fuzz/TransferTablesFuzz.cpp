// The controller table and the chip-card image built from shows whose cells
// come from the input: the first byte chooses a manual show (bit 0) and the
// file keywords as stop labels (bit 1); the rest is UTF-8 text whose lines up
// to the first empty one are cue times, row by row, and whose further lines
// are channel cells, module by module, channel by channel.
//
// Both builders read the same cells for the controller, so beyond the form
// of each output they must agree: a show one refuses for a level the other
// refuses at the same cell, and a channel fires with the same cue and level
// in the controller table and on the card.

#include "FuzzSupport.h"
#include "editor/TimeCode.h"
#include "transfer/CardImage.h"
#include "transfer/ChannelLists.h"
#include "transfer/TableBuilder.h"

#include <QStringList>
#include <array>

using namespace zyn;

namespace {

constexpr int ChannelCount = MaxSlaves * ChannelsPerSlave;
constexpr int RecordsUnit = ControllerTable::TimeEntryCount; // the first cue record
constexpr int RecordHeaderSize = 3;
constexpr int EntrySize = 3;

void fillShow(const QByteArray& text, Show& show) {
    const QStringList lines = QString::fromUtf8(text).split(u'\n');
    qsizetype i = 0;
    for (int row = 1; i < lines.size() && !lines[i].isEmpty(); ++i, ++row) {
        if (row <= MaxCues)
            show.cues.row(row).TimeText = lines[i];
    }
    for (int n = 0, line = int(i) + 1; line < lines.size() && n < ChannelCount; ++line, ++n)
        show.ics.cell(n / ChannelsPerSlave + 1, n % ChannelsPerSlave + 1) = lines[line];
}

bool isBcd(char byte) {
    return (quint8(byte) >> 4) <= 9 && (quint8(byte) & 0x0F) <= 9;
}

int bcdValue(char byte) {
    return (quint8(byte) >> 4) * 10 + (quint8(byte) & 0x0F);
}

struct Firing {
    int cue = 0; // 0: not fired by a cue
    int level = 0;
    int records = 0; // records that list the channel
};

// The channels as the controller table's records list them.
std::array<Firing, ChannelCount + 1> firingsOf(const ControllerTable& table) {
    std::array<Firing, ChannelCount + 1> firings{};
    const int records = MaxCues + ControllerTable::KeyRecordCount;
    for (int r = 0; r < records; ++r) {
        const QByteArray& record = table.units()[size_t(RecordsUnit + r)].bytes;
        fuzz::check(record.size() >= 2 * RecordHeaderSize && record[0] == 0 && record[1] == 0,
                    "a record starts with two reserved bytes");
        const int count = quint8(record[2]);
        fuzz::check(record.size() == RecordHeaderSize + EntrySize * qMax(1, count),
                    "a record holds the entries its count says");
        int previous = 0;
        for (int e = 0; e < count; ++e) {
            const char* entry = record.constData() + RecordHeaderSize + EntrySize * e;
            const int channel = (quint8(entry[1]) << 8) | quint8(entry[2]);
            fuzz::check(channel > previous && channel <= ChannelCount,
                        "a record lists valid channels in ascending order");
            previous = channel;
            Firing& firing = firings[size_t(channel)];
            ++firing.records;
            if (r < MaxCues) {
                firing.cue = r + 1;
                firing.level = quint8(entry[0]);
            }
        }
    }
    return firings;
}

void checkTable(const Show& show, const ControllerTable& table) {
    fuzz::check(int(table.units().size()) == ControllerTable::UnitCount, "the table has all units");
    const QByteArray bytes = table.bytes();
    fuzz::check(bytes.size() == table.size(), "the table's size is its bytes'");
    quint8 sum = 0;
    for (qsizetype i = 0; i + 1 < bytes.size(); ++i)
        sum += quint8(bytes[i]);
    fuzz::check(quint8(bytes.back()) == sum, "the last byte is the checksum of the others");
    for (int r = 1; r <= MaxCues; ++r) {
        const QByteArray& unit = table.units()[size_t(r - 1)].bytes;
        const QByteArray entry = unit.right(4);
        for (const char byte : entry)
            fuzz::check(isBcd(byte), "a time entry is packed BCD");
        if (show.state.ShowMode == ManualShow)
            fuzz::check(entry == QByteArray(4, char(0x99)), "a manual show sends no times");
    }
}

void checkCard(const Show& show, const QByteArray& card, const ControllerTable& table) {
    fuzz::check(card.size() == CardImage::Size, "a card image has its fixed size");
    fuzz::check(card.first(4) == QByteArray(4, '\0') && card.last(4) == QByteArray("\0\0\0\1", 4),
                "a card image has its start and end blocks");
    const auto firings = firingsOf(table);
    for (int n = 1; n <= ChannelCount; ++n) {
        const auto at = [&](int address) {
            return (quint8(card[address]) << 8) | quint8(card[address + 1]);
        };
        const Firing& firing = firings[size_t(n)];
        fuzz::check(firing.records <= 1, "a channel is listed by one record at most");
        fuzz::check(at(CardImage::cueNumberAddress(n)) == firing.cue &&
                        at(CardImage::levelAddress(n)) == firing.level,
                    "card and controller table fire a channel alike");
    }
    for (int r = 1; r <= MaxCues; ++r) {
        const QString& text = show.cues.row(r).TimeText;
        const QByteArray entry = table.units()[size_t(r - 1)].bytes.right(4);
        const char* time = card.constData() + CardImage::timeAddress(r);
        const quint32 value = (quint32(quint8(time[2])) << 24) | (quint32(quint8(time[3])) << 16) |
                              (quint32(quint8(time[0])) << 8) | quint32(quint8(time[1]));
        if (show.state.ShowMode == ManualShow) {
            fuzz::check(value == CardImage::ManualShowTime, "a manual show's card has no times");
        } else if (TimeCode::hasForm(text)) {
            const quint32 fromTable = quint32(bcdValue(entry[0])) * 1000000 +
                                      quint32(bcdValue(entry[1])) * 10000 +
                                      quint32(bcdValue(entry[2])) * 100 + bcdValue(entry[3]);
            fuzz::check(value == fromTable, "card and controller table time a cue alike");
        }
    }
}

int channelNumber(const TableRefusal& refusal) {
    return ChannelEntry::channelNumberOf(refusal.slave, refusal.channel);
}

// The card knows no keys, so a key's level only the table refuses.
void checkRefusals(const std::optional<TableRefusal>& table,
                   const std::optional<TableRefusal>& card) {
    const bool tableLevel = table && table->reason == TableRefusal::Reason::LevelOutOfRange;
    const bool keyLevel =
        tableLevel && ChannelLists::read(table->cell).target == ChannelLists::Cell::Target::Key;
    if (card) {
        fuzz::check(card->reason == TableRefusal::Reason::LevelOutOfRange,
                    "the card refuses only levels");
        fuzz::check(tableLevel, "a level the card refuses, the table refuses");
        fuzz::check(*table == *card || (keyLevel && channelNumber(*table) < channelNumber(*card)),
                    "card and table refuse the same cell");
    } else if (tableLevel) {
        fuzz::check(keyLevel, "a cue's level the table refuses, the card refuses");
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    if (size == 0)
        return 0;
    static const StopLabels language = fuzz::languageLabels();
    static const StopLabels file = StopLabels::fileForm();
    static Show show;
    const fuzz::ShowReset reset(show);

    if (data[0] & 1)
        show.state.ShowMode = ManualShow;
    fillShow(fuzz::bytesOf(data + 1, size - 1), show);

    const TableBuilder::Result table = TableBuilder((data[0] & 2) ? file : language).build(show);
    const CardImage::Result card = CardImage::build(show);
    fuzz::check(table.ok() != table.table.units().empty(), "a refused table has no units");
    fuzz::check(card.refusal.has_value() == card.bytes.isEmpty(), "a refused card has no bytes");
    checkRefusals(table.refusal, card.refusal);
    if (!table.ok() || card.refusal)
        return 0;
    checkTable(show, table.table);
    checkCard(show, card.bytes, table.table);
    return 0;
}
