#pragma once

#include "NumberFormat.h"

#include <QDate>
#include <QString>

namespace zyn {

// Cell values as a user reads them. Times keep their fraction of a second
// to the millisecond, so that 0:00:05.25 typed into a sheet comes back as
// "0:00:05.25", never as a rounded "0:00:05".
namespace CellText {

// Whole numbers without a fraction ("3", not "3.0"); others in the shortest
// decimal form that reads back exactly, never with an exponent.
QString number(double value);

// "h:mm:ss" with the hours unpadded and not wrapped at 24, then "." and the
// milliseconds without trailing zeros when there are any ("0:00:05.25").
QString duration(qint64 milliseconds);

// "yyyy-mm-dd", with `withTime` followed by a blank and the time of day as
// duration() writes it.
QString dateTime(QDate date, qint64 millisecondsOfDay, bool withTime);

// A number as its format shows it. Serial dates count days from `origin`
// (the workbook's day 0); time formats take the fraction of a day. A value no
// date or time can show (negative, or beyond the year 9999) stays a number.
QString fromValue(double value, ValueDisplay display, QDate origin);

} // namespace CellText
} // namespace zyn
