#pragma once

#include "TableUnit.h"

#include <QByteArray>
#include <vector>

namespace zyn {

class TableReceiver;

// The show as the firing controller receives it, kept as the sequence of
// units the serial link delivers one by one:
//
//   header B1 06 8A 0C with time entry 1 | time entries 2..3200 |
//   10 zero entries | 3200 cue records | 10 key records |
//   16 filler bytes | TableChecksum
//
// Invariant: the last unit is the checksum, the sum modulo 256 of every byte
// before it; the drive file is the concatenation of all units.
class ControllerTable {
public:
    static constexpr int TimeEntryCount = 3210; // 3200 cue rows and 10 zero entries
    static constexpr int ZeroEntryCount = 10;
    static constexpr int KeyRecordCount = 10;
    static constexpr int FillerSize = 16;
    static constexpr quint8 FillerByte = 0x00;
    static constexpr qsizetype HeaderSize = 4;
    // Acknowledged units: 3210 time units and 3210 records.
    static constexpr int AcknowledgedUnitCount = 6420;
    static constexpr int UnitCount = AcknowledgedUnitCount + FillerSize + 1;
    // One step per cue time entry and per cue record; the display runs to one
    // more than that, so a finished transfer never shows a full bar.
    static constexpr int ProgressSteps = 6400;
    static constexpr int ProgressMaximum = ProgressSteps + 1;
    // A show without any channel assignment.
    static constexpr qsizetype EmptyShowSize = 32121;

    // Adds a unit; adding the checksum unit is the builder's last step.
    void append(TableUnit unit);

    const std::vector<TableUnit>& units() const { return m_units; }
    qsizetype size() const { return m_size; }
    // Every byte of every unit, in order: the content of the drive file.
    QByteArray bytes() const;
    // The sum of every byte appended so far, modulo 256.
    quint8 runningSum() const { return m_sum; }

    // Hands the units to the receiver in order until it answers Stop; true
    // when the receiver took every unit.
    bool handOut(TableReceiver& receiver) const;

private:
    std::vector<TableUnit> m_units;
    qsizetype m_size = 0;
    quint8 m_sum = 0;
};

} // namespace zyn
