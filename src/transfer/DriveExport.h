#pragma once

#include "show/FileError.h"

#include <QByteArrayView>
#include <QString>

namespace zyn {

// The controller table as the file "ZYN600TE.BIN" in the root of a removable
// volume, where the controller picks it up. The controller reads the file as
// it finds it, so the file under that name is either the whole new table or
// not there at all: the bytes go to a temporary file beside it, are forced to
// the medium, replace the old file by rename, and are read back from the
// medium. Success means the file on the medium equals the bytes.
namespace DriveExport {

inline const QString FileName = QStringLiteral("ZYN600TE.BIN");

// The table file in the root folder of a volume.
QString filePath(const QString& volumeRoot);

// Writes the table into the volume's root folder.
FileError writeToVolume(const QString& volumeRoot, QByteArrayView bytes);

// Writes the bytes to any path with the same guarantees.
FileError writeFile(const QString& path, QByteArrayView bytes);

} // namespace DriveExport
} // namespace zyn
