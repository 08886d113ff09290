#pragma once

#include "show/IcTable.h"

#include <algorithm>

namespace zyn {

// A rectangle of IC cells: slave modules by channels, both 1-based. Empty
// when firstSlave is 0.
struct IcArea {
    int firstSlave = 0;
    int lastSlave = 0;
    int firstChannel = 0;
    int lastChannel = 0;

    static IcArea whole() { return {1, MaxSlaves, 1, ChannelsPerSlave}; }
    bool isEmpty() const { return firstSlave == 0; }
    int cellCount() const {
        return isEmpty() ? 0 : (lastSlave - firstSlave + 1) * (lastChannel - firstChannel + 1);
    }
    friend bool operator==(const IcArea&, const IcArea&) = default;
};

// A selection in the IC table: the current cell and the other end of the
// selected rectangle.
struct IcSelection {
    int currentSlave = 1;
    int currentChannel = 1;
    int otherSlave = 1;
    int otherChannel = 1;

    static IcSelection single(int slave, int channel) { return {slave, channel, slave, channel}; }

    IcArea area() const {
        return {std::min(currentSlave, otherSlave), std::max(currentSlave, otherSlave),
                std::min(currentChannel, otherChannel), std::max(currentChannel, otherChannel)};
    }
    bool isValid() const {
        return IcTable::isValidCell(currentSlave, currentChannel) &&
               IcTable::isValidCell(otherSlave, otherChannel);
    }
};

} // namespace zyn
