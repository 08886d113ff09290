#include "ZipDirectory.h"

#include <algorithm>

namespace zyn::ZipDirectory {

namespace {

constexpr QByteArrayView EndSignature("PK\x05\x06", 4);
constexpr QByteArrayView EntrySignature("PK\x01\x02", 4);
constexpr qsizetype EndRecordSize = 22;
constexpr qsizetype EntryHeaderSize = 46;
constexpr qsizetype MaxCommentSize = 0xFFFF;
constexpr quint32 Zip64Marker = 0xFFFFFFFF;
constexpr quint32 Zip64ExtraTag = 0x0001;

quint32 little(QByteArrayView bytes, qsizetype at, int size) {
    quint32 value = 0;
    for (int i = size - 1; i >= 0; --i)
        value = (value << 8) | quint8(bytes[at + i]);
    return value;
}

quint64 wideLittle(QByteArrayView bytes, qsizetype at) {
    return (quint64(little(bytes, at + 4, 4)) << 32) | little(bytes, at, 4);
}

// Where the end record starts: the last signature within the archive's tail,
// where the record and its comment must lie.
qsizetype endRecord(QByteArrayView archive) {
    if (archive.size() < EndRecordSize)
        return -1;
    const qsizetype last = archive.size() - EndRecordSize;
    const qsizetype first = std::max<qsizetype>(0, last - MaxCommentSize);
    for (qsizetype at = last; at >= first; --at) {
        if (archive.sliced(at, EndSignature.size()) == EndSignature)
            return at;
    }
    return -1;
}

// An entry's packed and unpacked sizes. A size too large for its 32-bit
// field reads 0xFFFFFFFF there and stands in the entry's zip64 extra field,
// unpacked size first; a field that does not hold it gives the largest size,
// which no check lets through.
struct EntrySizes {
    quint64 packed = 0;
    quint64 unpacked = 0;
};

EntrySizes entrySizes(QByteArrayView archive, qsizetype entry) {
    EntrySizes sizes{little(archive, entry + 20, 4), little(archive, entry + 24, 4)};
    const bool widePacked = sizes.packed == Zip64Marker;
    const bool wideUnpacked = sizes.unpacked == Zip64Marker;
    if (!widePacked && !wideUnpacked)
        return sizes;
    const qsizetype nameSize = little(archive, entry + 28, 2);
    const qsizetype extraSize = little(archive, entry + 30, 2);
    qsizetype at = entry + EntryHeaderSize + nameSize;
    const qsizetype extraEnd = std::min(archive.size(), at + extraSize);
    for (; at + 4 <= extraEnd; at += 4 + little(archive, at + 2, 2)) {
        if (little(archive, at, 2) != Zip64ExtraTag)
            continue;
        const qsizetype fieldEnd = std::min(extraEnd, at + 4 + little(archive, at + 2, 2));
        qsizetype value = at + 4;
        const auto wide = [&](quint64* size) {
            *size = value + 8 <= fieldEnd ? wideLittle(archive, value) : ~quint64(0);
            value += 8;
        };
        if (wideUnpacked)
            wide(&sizes.unpacked);
        if (widePacked)
            wide(&sizes.packed);
        return sizes;
    }
    return {~quint64(0), ~quint64(0)};
}

} // namespace

QString checkSizes(QByteArrayView archive, qint64 limit) {
    const qsizetype end = endRecord(archive);
    if (end < 0)
        return {};
    const quint32 entries = little(archive, end + 10, 2);
    qsizetype at = little(archive, end + 16, 4);
    qint64 unpacked = 0;
    for (quint32 i = 0; i < entries; ++i) {
        if (at < 0 || archive.size() - at < EntryHeaderSize ||
            archive.sliced(at, EntrySignature.size()) != EntrySignature)
            return {};
        const EntrySizes sizes = entrySizes(archive, at);
        if (sizes.packed > quint64(archive.size()))
            return QStringLiteral("an entry claims more packed bytes than the file holds");
        if (sizes.unpacked > quint64(limit - unpacked))
            return QStringLiteral("the archive unpacks to more than %1 MiB")
                .arg(limit / (1024 * 1024));
        unpacked += qint64(sizes.unpacked);
        at += EntryHeaderSize + little(archive, at + 28, 2) + little(archive, at + 30, 2) +
              little(archive, at + 32, 2);
    }
    return {};
}

} // namespace zyn::ZipDirectory
