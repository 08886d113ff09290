#pragma once

#include <QByteArray>
#include <QString>

namespace zyn {

// A text as project and language files hold it: encoded in the code page and
// scrambled with the file's key.
//
// Storable texts are those of code-page characters from the blank upwards.
// With key codes between 1 and 9 their scrambled bytes are never CR or LF, so
// each field stays on its own line: below the blank only the wrapped codes 1
// to 9 occur, and 255 becomes the key code itself, which makes a key code of
// 10 put an LF wherever 255 meets it. The codec folds 255 (the letter y with
// diaeresis) onto 0; a storable text never holds 0, so a decoded 0 is read
// back as 255.
namespace ScrambledField {

QByteArray encode(QStringView text, const QByteArray& key);
QString decode(QByteArrayView scrambled, const QByteArray& key);

// Index of the first character a file cannot store (a control character or
// one the code page lacks), -1 when the whole text can be stored.
qsizetype firstUnstorable(QStringView text);

} // namespace ScrambledField
} // namespace zyn
