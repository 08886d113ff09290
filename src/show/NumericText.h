#pragma once

#include <QString>
#include <QtGlobal>
#include <optional>

namespace zyn {

// The numeric helpers every reader of the show's texts shares, so that a cell,
// a count or a typed time is read the same way wherever it is read.
namespace NumericText {

// The value of the number at the start of the text: blanks are skipped, then
// an optional sign, digits, an optional fraction and an optional exponent are
// read up to the first character that cannot continue the number. A text that
// starts with no number gives 0 ("12-3" gives 12, "K 4" gives 0).
double leadingValue(QStringView text);

// Nearest integer, halves to the even neighbour (2.5 gives 2, 3.5 gives 4).
double roundHalfEven(double value);

// Rounded half to even into a 16-bit or 32-bit integer; nothing when the
// rounded value does not fit (or is not a number).
std::optional<qint16> toInt16(double value);
std::optional<qint32> toInt32(double value);

// Whole numbers without blanks or leading zeros; other values in their
// shortest exact decimal form.
QString decimalText(double value);

} // namespace NumericText
} // namespace zyn
