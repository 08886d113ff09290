#pragma once

#include "FileError.h"

#include <QByteArray>

class QIODevice;

namespace zyn {

// The one way the program writes a file: whole or not at all. The bytes go to
// a temporary file beside the target, which replaces the target only when
// every byte was written, so a failed write leaves the previous file intact.
namespace AtomicFile {

FileError save(const QString& path, QByteArrayView bytes);

// Writes every byte to an open device; false as soon as the device refuses.
bool writeAll(QIODevice& device, QByteArrayView bytes);

} // namespace AtomicFile
} // namespace zyn
