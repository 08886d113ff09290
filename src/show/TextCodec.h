#pragma once

#include <QByteArray>
#include <QtGlobal>
#include <span>
#include <vector>

namespace zyn {

// The position-keyed shift that project and language files keep their texts
// in: each byte is shifted up by the key byte at its position (the key
// repeating), wrapping at 255. Bytes 0 to 254 survive a round trip; 255
// scrambles like 0, so a text never holds both (see ScrambledField).

using KeyCodes = std::vector<qint16>;

// The key from its character codes, in order.
QByteArray BuildKeyString(std::span<const int> codes);
// The key's codes K(1..n) as an array indexed from 0.
KeyCodes KeyCodesOf(const QByteArray& key);
// The key code for the 1-based text position p: key position ((p - 1) mod n) + 1.
qint16 KeyCodeAt(qsizetype position, const KeyCodes& key);
// a + b, minus 255 when above 255 (256 gives 1).
qint16 AddWrap255(qint16 a, qint16 b);
// a - b, plus 255 when below 0.
qint16 SubWrap255(qint16 a, qint16 b);

QByteArray ScrambleText(QByteArrayView text, const QByteArray& key);
QByteArray UnscrambleText(QByteArrayView text, const QByteArray& key);

} // namespace zyn
