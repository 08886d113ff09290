#pragma once

#include <QByteArray>
#include <QString>

namespace zyn {

// The 8-bit code page Windows-1252 that every file of the program uses.
// The five bytes the code page leaves undefined decode to the C1 control
// characters of the same value, so that any byte sequence decodes and
// encodes back unchanged.
namespace Cp1252 {

QString decode(QByteArrayView bytes);

// Whether the code page has a byte for the character.
bool canEncode(QChar c);

// Index of the first character without a byte, -1 when every one has one.
qsizetype firstUnencodable(QStringView text);

// The bytes of the text; characters without a byte become '?'. Callers that
// must not lose text check firstUnencodable() first.
QByteArray encode(QStringView text);

} // namespace Cp1252
} // namespace zyn
