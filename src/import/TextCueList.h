#pragma once

#include "ImportRow.h"

#include <QByteArrayView>
#include <QStringList>

namespace zyn {

// Semicolon-separated cue lists. Each line has at least 12 fields: field 1 is
// the time, 6 the description, 8 an addition shown in brackets after it, 10
// the slave module and 11 the channel. A header line reads as a row like any
// other; a time field with neither "." nor "," gives the zero time, so a
// heading word does no harm.
namespace TextCueList {

inline constexpr int FieldsPerLine = 12;

// The file's text: UTF-8 when it starts with the UTF-8 byte order mark or is
// valid UTF-8 throughout, Windows-1252 otherwise. The mark is dropped.
QString decode(QByteArrayView bytes);

// Lines ended by CR LF, LF or a lone CR; an end after the last line does
// not start another.
QStringList splitLines(QStringView text);

// Whether the line is the first line of a project file of this program.
bool isProjectFile(QStringView firstLine);

// The preview row of one line (line number for the error, 1-based).
ImportRows rowOfLine(QStringView line, const QString& path, int lineNumber);

// Every row of the file. Empty lines carry no cue and are passed over; the
// first other fault ends the reading, keeping the rows before it.
ImportRows read(const QString& path);

} // namespace TextCueList
} // namespace zyn
