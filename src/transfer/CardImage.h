#pragma once

#include "TableRefusal.h"

#include <QByteArray>
#include <QString>
#include <vector>

namespace zyn {

class Show;

// The show as a memory chip card holds it: 25608 bytes at fixed addresses,
// written to the card in address order in one pass.
//
//   0       start block 00 00 00 00
//   4       3200 time entries of 4 bytes, cue row r at 4 + 4 (r - 1)
//   12804   3200 cue numbers, 16-bit big-endian, channel n at 12804 + 2 (n - 1)
//   19204   3200 security levels, laid out like the cue numbers
//   25604   end block 00 00 00 01
//
// Channel n is (slave - 1) * 16 + channel. The card knows no stops and no
// controller keys: a stop row is read like any other time text, and a key
// assignment leaves its channel at cue 0, level 0 (not fired by a cue).
//
// A time entry is the number N formed by the digits of the time text's
// characters 1-2, 4-5, 7-8 and the last two of its first eleven, taken up to
// the first character that is no digit (00:01:23:15 gives 12315), written in
// the order bits 15-8, 7-0, 31-24, 23-16. A manual show writes 99999999 in
// every row, an empty row 0.
//
// A channel fires with a cue only when its cell names a whole cue number from
// 1 to 3200, read by the same rules as the controller table, so that card
// and controller table fire the same channels; anything else leaves it at
// cue 0 and level 0. Its level is the number after the "-", 0 without one.
class CardImage {
public:
    static constexpr int Size = 25608;
    static constexpr int BlockSize = 4;
    static constexpr int TimeEntrySize = 4;
    static constexpr int ChannelEntrySize = 2;
    static constexpr int StartBlockAddress = 0;
    static constexpr int TimesAddress = 4;
    static constexpr int CueNumbersAddress = 12804;
    static constexpr int LevelsAddress = 19204;
    static constexpr int EndBlockAddress = 25604;
    static constexpr quint32 ManualShowTime = 99999999;

    // A show is refused (LevelOutOfRange) when a channel that fires with a
    // cue carries a level that is not a whole number from 0 to 10: no card
    // gets a security level the show does not mean. Every such channel is
    // named, slave by slave, channel by channel.
    struct Result {
        QByteArray bytes; // Size bytes, or empty with refusals
        std::vector<TableRefusal> refusals;

        bool ok() const { return refusals.empty(); }
    };

    static Result build(const Show& show);

    // The number N of a time text (0 when its digits are missing).
    static quint32 timeValue(const QString& timeText);
    // The four bytes of a cue row.
    static QByteArray timeEntry(const QString& timeText, bool manualShow);

    struct ChannelValues {
        quint16 cue = 0;
        quint16 level = 0;
        bool levelInRange = true; // false: the show is refused

        friend bool operator==(const ChannelValues&, const ChannelValues&) = default;
    };
    static ChannelValues channelValues(const QString& cell);

    // The address of channel n's cue number and level entries (n 1..3200).
    static constexpr int cueNumberAddress(int channel) {
        return CueNumbersAddress + ChannelEntrySize * (channel - 1);
    }
    static constexpr int levelAddress(int channel) {
        return LevelsAddress + ChannelEntrySize * (channel - 1);
    }
    static constexpr int timeAddress(int row) { return TimesAddress + TimeEntrySize * (row - 1); }
};

} // namespace zyn
