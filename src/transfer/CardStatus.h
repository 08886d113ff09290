#pragma once

#include <QString>
#include <QtGlobal>

namespace zyn {

// The statuses a card reader answers with. Reader and service errors use the
// PC/SC codes, so both readers report the same fault with the same number;
// a card's refusal of a command is its ISO 7816 status word (0x6xxx, 0x9xxx),
// which no PC/SC code can be mistaken for.
namespace CardStatus {

inline constexpr quint32 Ok = 0;
inline constexpr quint32 InvalidParameter = 0x80100004;
inline constexpr quint32 UnknownReader = 0x80100009;
inline constexpr quint32 NoSmartcard = 0x8010000C;
inline constexpr quint32 CommError = 0x80100013;
inline constexpr quint32 NoService = 0x8010001D;
inline constexpr quint32 UnsupportedFeature = 0x8010001F;
inline constexpr quint32 NoReadersAvailable = 0x8010002E;
inline constexpr quint32 RemovedCard = 0x80100069;

// Status words of the card.
inline constexpr quint32 WrongPin = 0x6300;
inline constexpr quint32 MemoryFailure = 0x6581;
inline constexpr quint32 WrongLength = 0x6700;
inline constexpr quint32 PinRequired = 0x6982;
inline constexpr quint32 PinBlocked = 0x6983;
inline constexpr quint32 AddressOutOfRange = 0x6B00;
inline constexpr quint32 InstructionNotSupported = 0x6D00;
inline constexpr quint32 ClassNotSupported = 0x6E00;

// The status of a card's answer: 0 for 90 00, else the status word.
quint32 fromStatusWord(quint8 sw1, quint8 sw2);
bool isStatusWord(quint32 status);

// The English text of a status; "" for a code this list does not know.
QString text(quint32 status);

// Upper-case hexadecimal without leading zeros, as error lines show codes.
QString hex(quint32 status);

} // namespace CardStatus
} // namespace zyn
