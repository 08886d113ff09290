#pragma once

#include <QString>

namespace zyn {

// Why a show cannot be turned into a controller table. A refused show sends or
// writes no byte at all: the controller never sees a table the show does not
// mean.
struct TableRefusal {
    enum class Reason {
        // A cue or key collects more channels than its count byte can state.
        TooManyChannels,
        // A channel that fires carries a security level that is not a whole
        // number from 1 to 10.
        LevelOutOfRange,
    };
    enum class Holder { Cue, Key };

    Reason reason = Reason::TooManyChannels;
    // TooManyChannels: the cue or key and how many channels it collects.
    Holder holder = Holder::Cue;
    int number = 0;
    int count = 0;
    // LevelOutOfRange: the channel and its cell as the show holds it.
    int slave = 0;
    int channel = 0;
    QString cell;

    friend bool operator==(const TableRefusal&, const TableRefusal&) = default;
};

} // namespace zyn
