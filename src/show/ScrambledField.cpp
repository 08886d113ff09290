#include "ScrambledField.h"

#include "Cp1252.h"
#include "TextCodec.h"

namespace zyn::ScrambledField {

QByteArray encode(QStringView text, const QByteArray& key) {
    return ScrambleText(Cp1252::encode(text), key);
}

QString decode(QByteArrayView scrambled, const QByteArray& key) {
    QByteArray plain = UnscrambleText(scrambled, key);
    plain.replace('\0', '\xFF');
    return Cp1252::decode(plain);
}

qsizetype firstUnstorable(QStringView text) {
    for (qsizetype i = 0; i < text.size(); ++i) {
        if (text[i].unicode() < 0x20 || !Cp1252::canEncode(text[i]))
            return i;
    }
    return -1;
}

} // namespace zyn::ScrambledField
