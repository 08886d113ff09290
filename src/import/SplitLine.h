#pragma once

#include <QStringList>

namespace zyn {

// One line of a semicolon-separated cue list as its fields, numbered from 0.
// A field that starts with a double quote is quoted up to the next single
// double quote; inside it ";" is an ordinary character and a doubled quote
// stands for one. A quote anywhere else is an ordinary character. A line with
// k semicolons outside quotes gives k + 1 fields; an empty line gives one
// empty field.
QStringList SplitLine(QStringView line);

} // namespace zyn
