#pragma once

#include "PlanReading.h"

#include <QByteArrayView>

namespace zyn {

// Reads a chip-card image back into the plan the card holds: per cue row the
// number N of its time entry (a time code's eight digits, 99999999 for a
// manual show), per channel the cue number that fires it and its level.
// Written from the card's memory map alone, apart from the card image
// builder. A card whose end block is missing was not written to the end.
class CardDecoder {
public:
    static PlanReading decode(QByteArrayView bytes);
};

} // namespace zyn
