#pragma once

#include <QStringView>

namespace zyn {

// How a cell's number is meant to be read, judged from its number format:
// a time of day, a duration in elapsed hours, a date, a date with time, or a
// plain number.
enum class ValueDisplay { Number, Time, ElapsedTime, Date, DateTime };

namespace NumberFormat {

// The format code of a cell ("[hh]:mm:ss.00", "dd.mm.yyyy", "0.00"). Only the
// first section counts; quoted text, escaped characters, colours and
// conditions are ignored. "m" means minutes where hours or seconds are
// shown, months otherwise.
ValueDisplay fromCode(QStringView code);

// The built-in formats a workbook names by number without a code.
ValueDisplay fromBuiltinId(int id);

} // namespace NumberFormat
} // namespace zyn
