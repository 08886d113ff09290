#pragma once

#include "ByteCursor.h"
#include "PlanReading.h"

#include <QByteArrayView>

namespace zyn {

// Reads a controller table (the drive file, the serial stream) back into the
// plan it makes the controller carry out. Written from the byte layout alone,
// apart from the table builder, so that each checks the other.
//
// The table must hold exactly its sections: header, 3210 time entries (the
// last ten zero), 3200 cue records, 10 key records, 16 filler bytes and the
// checksum, nothing after it. A record lists channels 1..3200 in ascending
// order with levels 0..10. A wrong checksum still gives the plan, marked bad.
class TableDecoder {
public:
    static PlanReading decode(QByteArrayView bytes);

private:
    explicit TableDecoder(QByteArrayView bytes) : m_cursor(bytes) {}

    bool readHeader();
    bool readTimes(FiringPlan& plan);
    bool readZeroEntries();
    // "cue 12", "key 4": named only when the record is damaged.
    struct Owner {
        const char* kind;
        int number;

        QString text() const {
            return QStringLiteral("%1 %2").arg(QLatin1String(kind)).arg(number);
        }
    };
    bool readRecord(const Owner& owner, PlanChannels& channels);
    bool readTail(FiringPlan& plan);

    ByteCursor m_cursor;
};

} // namespace zyn
