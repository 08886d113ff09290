#include "CardAtr.h"

#include <QStringList>

namespace zyn::CardAtr {

namespace {

constexpr char StorageCardRid[] = {char(0xA0), 0x00, 0x00, 0x03, 0x06};
constexpr qsizetype RidSize = sizeof StorageCardRid;

QString hexByte(quint8 byte) {
    return QString::number(byte, 16).rightJustified(2, u'0').toUpper();
}

// The historical bytes: T0's low nibble counts them; the interface bytes
// before them are announced by the high nibbles of T0 and each TDi.
QByteArrayView historicalBytes(QByteArrayView atr) {
    if (atr.size() < 2)
        return {};
    const int count = quint8(atr[1]) & 0x0F;
    qsizetype i = 1;
    quint8 indicator = quint8(atr[1]);
    while (true) {
        const int present = indicator >> 4;
        const bool more = present & 0x8;
        i += ((present & 1) + ((present >> 1) & 1) + ((present >> 2) & 1) + (more ? 1 : 0));
        if (!more)
            break;
        if (i >= atr.size())
            return {};
        indicator = quint8(atr[i]);
    }
    ++i;
    if (i + count > atr.size())
        return {};
    return atr.sliced(i, count);
}

QString storageCardName(QByteArrayView historical) {
    const qsizetype rid = historical.indexOf(QByteArrayView(StorageCardRid, RidSize));
    if (rid < 0 || rid + RidSize + 3 > historical.size())
        return {};
    const QByteArrayView rest = historical.sliced(rid + RidSize);
    return QStringLiteral("Memory card (storage card, standard %1, name %2%3)")
        .arg(hexByte(quint8(rest[0])), hexByte(quint8(rest[1])), hexByte(quint8(rest[2])));
}

} // namespace

QString hexBytes(QByteArrayView bytes) {
    QStringList pairs;
    for (const char byte : bytes)
        pairs << hexByte(quint8(byte));
    return pairs.join(u' ');
}

QString typeName(QByteArrayView atr) {
    if (atr.isEmpty())
        return QStringLiteral("Unknown card (no answer to reset)");
    const quint8 first = quint8(atr[0]);
    if (first == 0x3B || first == 0x3F) {
        const QString storage = storageCardName(historicalBytes(atr));
        return storage.isEmpty() ? ProcessorCard : storage;
    }
    switch (first >> 4) {
    case 0x8:
        return QStringLiteral("Memory card (serial data access)");
    case 0x9:
        return QStringLiteral("Memory card (3-wire bus)");
    case 0xA:
        return QStringLiteral("Memory card (2-wire bus)");
    default:
        return QStringLiteral("Memory card (ATR %1)").arg(hexBytes(atr));
    }
}

} // namespace zyn::CardAtr
