#pragma once

#include <QByteArray>
#include <map>

// Media written byte by byte from their layout, apart from the program's
// builders: the expected inputs of the decoders.
namespace zyn::test {

inline QByteArray hexBytes(const char* text) {
    return QByteArray::fromHex(text);
}

// A controller table: every row 99 99 99 99 and every record empty unless
// given (times as 4 bytes, records as their whole bytes), checksum last.
inline QByteArray tableBytes(const std::map<int, QByteArray>& times = {},
                             const std::map<int, QByteArray>& cueRecords = {},
                             const std::map<int, QByteArray>& keyRecords = {}) {
    QByteArray bytes = hexBytes("B1068A0C");
    for (int row = 1; row <= 3200; ++row)
        bytes += times.contains(row) ? times.at(row) : hexBytes("99999999");
    bytes += QByteArray(40, '\0');
    const QByteArray empty(6, '\0');
    for (int cue = 1; cue <= 3200; ++cue)
        bytes += cueRecords.contains(cue) ? cueRecords.at(cue) : empty;
    for (int key = 1; key <= 10; ++key)
        bytes += keyRecords.contains(key) ? keyRecords.at(key) : empty;
    bytes += QByteArray(16, '\0');
    char sum = 0;
    for (const char byte : bytes)
        sum = char(sum + byte);
    return bytes + sum;
}

// A card image: all zero but the end block, with the bytes given placed at
// their addresses.
inline QByteArray cardBytes(const std::map<int, QByteArray>& at = {}) {
    QByteArray bytes(25608, '\0');
    bytes[25607] = 1;
    for (const auto& [address, content] : at)
        bytes.replace(address, content.size(), content);
    return bytes;
}

} // namespace zyn::test
