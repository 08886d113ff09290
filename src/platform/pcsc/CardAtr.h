#pragma once

#include <QByteArrayView>
#include <QString>

namespace zyn {

// What a card's answer to reset says about it, for "Card,Info,Type": "CPU"
// for a processor card, otherwise the kind of memory card.
//
//   3B/3F ... with the PC/SC storage-card identifier (RID A0 00 00 03 06 in
//       the historical bytes): a memory card the reader presents as a
//       storage card, named by its standard and card-name bytes
//   3B/3F ... otherwise: a processor card, "CPU"
//   8x, 9x, Ax: a synchronous memory card (ISO 7816-10) on a serial data
//       access, three-wire or two-wire bus
namespace CardAtr {

inline const QString ProcessorCard = QStringLiteral("CPU");

QString typeName(QByteArrayView atr);

// "3B 8F 80 01": upper-case hexadecimal pairs separated by blanks.
QString hexBytes(QByteArrayView bytes);

} // namespace CardAtr
} // namespace zyn
