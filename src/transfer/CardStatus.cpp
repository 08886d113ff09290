#include "CardStatus.h"

namespace zyn::CardStatus {

quint32 fromStatusWord(quint8 sw1, quint8 sw2) {
    if (sw1 == 0x90 && sw2 == 0x00)
        return Ok;
    return (quint32(sw1) << 8) | sw2;
}

bool isStatusWord(quint32 status) {
    return status > 0 && status <= 0xFFFF;
}

QString hex(quint32 status) {
    return QString::number(status, 16).toUpper();
}

QString text(quint32 status) {
    switch (status) {
    case Ok:
        return QStringLiteral("Success.");
    case InvalidParameter:
        return QStringLiteral("A command argument is not valid.");
    case UnknownReader:
        return QStringLiteral("There is no reader with this number.");
    case NoSmartcard:
        return QStringLiteral("There is no card in the reader.");
    case CommError:
        return QStringLiteral("The reader could not be reached.");
    case NoService:
        return QStringLiteral("The PC/SC service (pcscd) is not running.");
    case UnsupportedFeature:
        return QStringLiteral("The reader or the card does not support this command.");
    case NoReadersAvailable:
        return QStringLiteral("No card reader was found.");
    case RemovedCard:
        return QStringLiteral("The card has been removed.");
    case WrongPin:
        return QStringLiteral("Wrong PIN.");
    case MemoryFailure:
        return QStringLiteral("Memory failure: the card did not store the data "
                              "(write-protected or worn out).");
    case WrongLength:
        return QStringLiteral("Wrong length.");
    case PinRequired:
        return QStringLiteral("The card needs its PIN first.");
    case PinBlocked:
        return QStringLiteral("The PIN is blocked.");
    case AddressOutOfRange:
        return QStringLiteral("The address lies outside the card's memory.");
    case InstructionNotSupported:
    case ClassNotSupported:
        return QStringLiteral("The card does not know this command.");
    default:
        break;
    }
    if ((status & 0xFFF0) == 0x63C0)
        return QStringLiteral("Wrong PIN; %1 tries left.").arg(status & 0x0F);
    if (isStatusWord(status))
        return QStringLiteral("The card refused the command (status word %1).")
            .arg(QString::number(status, 16).rightJustified(4, u'0').toUpper());
    return {};
}

} // namespace zyn::CardStatus
