#pragma once

#include <QByteArray>
#include <QString>
#include <QtGlobal>

namespace zyn {

// The text commands a card reader takes, built here for the callers and read
// here by the readers, so both sides agree on every argument's form: numbers
// in decimal without blanks or leading zeros, error codes in upper-case
// hexadecimal.
//
//   System,Info                    System,Info,VersionText
//   System,ConvertErrCode,<hex>    Device,SearchComPort,<text>
//   Device,List  Device,Info       Device,Select,<n>
//   Card,Info  Card,Info,Status  Card,Info,Type
//   Card,APDU                      (input: the command APDU)
//   Card,MemRead,<address>,<length>
//   Card,MemWrite,<address>,<length>  (input: exactly <length> bytes)
//   Card,MemVerifyPin,<PIN as hex digits, blanks allowed>
//
// Memory addresses are 16-bit: a range must end at 65536 at the latest.
// One write carries 1 to 255 bytes, one read 1 to 256: one storage-card
// command each.
struct CardCommand {
    enum class Verb {
        Unknown,
        SystemInfo,
        VersionText,
        ConvertErrCode,
        SearchComPort,
        DeviceList,
        DeviceInfo,
        DeviceSelect,
        CardInfo,
        CardStatus,
        CardType,
        Apdu,
        MemRead,
        MemWrite,
        MemVerifyPin,
    };

    static constexpr int AddressSpace = 65536;
    static constexpr int MaxWriteLength = 255;
    static constexpr int MaxReadLength = 256;

    Verb verb = Verb::Unknown;
    // 0 when the command and its arguments are well-formed; otherwise the
    // status the reader answers without doing anything.
    quint32 status = 0;
    quint32 code = 0; // ConvertErrCode
    int number = 0;   // DeviceSelect
    int address = 0;  // MemRead, MemWrite
    int length = 0;   // MemRead, MemWrite
    QByteArray pin;   // MemVerifyPin
    QString argument; // SearchComPort: the text as given

    static CardCommand parse(QStringView text);

    static QString memWrite(int address, int length);
    static QString memRead(int address, int length);
    static QString convertErrCode(quint32 status);
    static QString deviceSelect(int number);
};

} // namespace zyn
