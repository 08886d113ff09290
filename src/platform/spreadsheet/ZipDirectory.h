#pragma once

#include <QByteArrayView>
#include <QString>

namespace zyn {

// The central directory of a zip archive, checked before the archive reader
// trusts it. The reader sizes its buffers by the directory's figures, so a
// damaged or crafted directory could make it ask for gigabytes.
namespace ZipDirectory {

// Far beyond what the workbook of a cue list unpacks to.
inline constexpr qint64 MaxUnpackedBytes = 256 * 1024 * 1024;

// "" when every entry's packed size lies within the archive and all entries
// together unpack to at most `limit` bytes, otherwise why not. An archive
// whose directory cannot be found is left to the reader, which refuses it.
QString checkSizes(QByteArrayView archive, qint64 limit = MaxUnpackedBytes);

} // namespace ZipDirectory
} // namespace zyn
