// The controller table and the chip-card image built from shows whose cells
// come from the input: the first byte chooses a manual show (bit 0) and the
// file keywords as stop labels (bit 1); the rest is UTF-8 text whose lines up
// to the first empty one are cue times, row by row, and whose further lines
// are channel cells, module by module, channel by channel.
//
// Both builders read the same cells for the controller, so beyond the form
// of each output they must agree: a show one refuses for a level the other
// refuses at the same cell, and a channel fires with the same cue and level
// in the controller table and on the card. The show check reads the same
// cells again and must agree with the table on every channel it fires.

#include "FuzzSupport.h"
#include "check/ShowCheck.h"
#include "editor/TimeCode.h"
#include "transfer/CardImage.h"
#include "transfer/ChannelLists.h"
#include "transfer/TableBuilder.h"

#include <QStringList>
#include <algorithm>
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

// The card knows no keys and no channel counts: it refuses exactly the
// table's refusals of cue cells.
void checkRefusals(const std::vector<TableRefusal>& table, const std::vector<TableRefusal>& card) {
    std::vector<TableRefusal> cueLevels;
    for (const TableRefusal& refusal : table) {
        if (refusal.reason == TableRefusal::Reason::LevelOutOfRange &&
            ChannelLists::read(refusal.cell).target == ChannelLists::Cell::Target::Cue)
            cueLevels.push_back(refusal);
    }
    fuzz::check(card == cueLevels, "card and table refuse the same cells");
}

// (record, channel number): the record is the cue's index, or MaxCues plus the
// key's index.
using Listing = std::vector<std::pair<int, int>>;

Listing listingOf(const ControllerTable& table) {
    Listing out;
    for (int r = 0; r < MaxCues + ControllerTable::KeyRecordCount; ++r) {
        const QByteArray& record = table.units()[size_t(RecordsUnit + r)].bytes;
        for (int e = 0; e < quint8(record[2]); ++e) {
            const char* entry = record.constData() + RecordHeaderSize + EntrySize * e;
            out.emplace_back(r, (quint8(entry[1]) << 8) | quint8(entry[2]));
        }
    }
    std::sort(out.begin(), out.end());
    return out;
}

// The check judges the show by the cells the table lists: it must take
// exactly those channels to fire, and refuse exactly what the builder refuses.
void checkCheck(const Show& show, const StopLabels& labels, const TableBuilder::Result& table) {
    const std::vector<CheckFinding> findings = ShowCheck::run(show, labels, {100});
    fuzz::check(ShowCheck::errorCount(findings) == int(table.refusals.size()),
                "the check's errors are the builder's refusals");
    if (!table.ok())
        return;
    Listing believed;
    for (const ShowCheck::Firing& f : ShowCheck::firings(show))
        believed.emplace_back(f.cue ? f.cue - 1 : MaxCues + f.key - 1,
                              ChannelEntry::channelNumberOf(f.slave, f.channel));
    std::sort(believed.begin(), believed.end());
    fuzz::check(believed == listingOf(table.table), "the check and the table fire alike");
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
    fuzz::check(card.ok() != card.bytes.isEmpty(), "a refused card has no bytes");
    checkRefusals(table.refusals, card.refusals);
    checkCheck(show, (data[0] & 2) ? file : language, table);
    if (!table.ok() || !card.ok())
        return 0;
    checkTable(show, table.table);
    checkCard(show, card.bytes, table.table);
    return 0;
}
