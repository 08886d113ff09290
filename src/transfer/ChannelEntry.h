#pragma once

#include "show/ShowLimits.h"

#include <QtGlobal>

namespace zyn {

// One ignition channel of a cue or key record: its security level (0 when the
// cell carries none) and its ChannelNumber, 1 to 3200.
struct ChannelEntry {
    quint8 level = 0;
    quint16 channelNumber = 0;

    static constexpr quint16 channelNumberOf(int slave, int channel) {
        return quint16((slave - 1) * ChannelsPerSlave + channel);
    }

    friend bool operator==(const ChannelEntry&, const ChannelEntry&) = default;
};

} // namespace zyn
