#pragma once

#include "ChannelRecord.h"
#include "TableRefusal.h"
#include "show/ShowLimits.h"

#include <QString>
#include <array>
#include <vector>

namespace zyn {

class IcTable;

// The channel records of all 3200 cues and 10 controller keys, collected from
// the IC table slave by slave, channel by channel, so every record lists its
// channels in ascending ChannelNumber. Each cell adds at most one entry:
//
//   first part (before the first "-") at least three characters, starting
//   with "K", the value after its first two characters 1..10  -> that key
//   otherwise the first part's value 1..3200                  -> that cue
//   anything else (0, above 3200, not a whole number, empty)  -> nothing
//
// The level is the value of the part after the first "-" (up to a second
// "-"), 0 when there is none or it is not a number.
class ChannelLists {
public:
    static constexpr int KeyCount = MaxKey;

    // Fills the lists and names every reason the IC table cannot be sent, in
    // this order: each firing cell whose level is not a whole number 0..10,
    // slave by slave, channel by channel; then each cue, then each key, with
    // more than 255 channels. Empty when the table can be sent. A cell with a
    // bad level still counts towards its cue's or key's channels.
    static std::vector<TableRefusal> collect(const IcTable& ics, ChannelLists& lists);

    const ChannelRecord& cue(int cue) const { return m_cues[std::size_t(cue - 1)]; }
    const ChannelRecord& key(int key) const { return m_keys[std::size_t(key - 1)]; }

    // How one cell is read; exposed for the tests of the cell rules.
    struct Cell {
        enum class Target { None, Cue, Key };
        Target target = Target::None;
        int number = 0;
        double level = 0; // the level as written, checked by collect()
    };
    static Cell read(const QString& cell);

private:
    std::vector<ChannelRecord> m_cues = std::vector<ChannelRecord>(MaxCues);
    std::array<ChannelRecord, KeyCount> m_keys;
};

} // namespace zyn
