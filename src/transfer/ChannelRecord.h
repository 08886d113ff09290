#pragma once

#include "ChannelEntry.h"

#include <QByteArray>
#include <vector>

namespace zyn {

// The channels that fire with one cue or one controller key, in the order they
// were appended (the builder appends in ascending ChannelNumber). On the wire:
// two reserved 0x00 bytes, the count in one byte, then level and big-endian
// channel number per entry; a record without entries carries three 0x00 bytes
// instead, so it is never shorter than six bytes.
class ChannelRecord {
public:
    // The count travels in one byte: a longer record cannot be written.
    static constexpr int MaxEntries = 255;

    void append(ChannelEntry entry) { m_entries.push_back(entry); }
    int count() const { return static_cast<int>(m_entries.size()); }
    bool fitsCountByte() const { return count() <= MaxEntries; }
    const std::vector<ChannelEntry>& entries() const { return m_entries; }

    // The record's bytes; only defined for a record that fits its count byte.
    QByteArray bytes() const;

private:
    std::vector<ChannelEntry> m_entries;
};

} // namespace zyn
