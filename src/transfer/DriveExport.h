#pragma once

#include "show/FileError.h"
#include "verify/PlanDifference.h"

#include <QByteArrayView>
#include <QString>
#include <functional>
#include <vector>

namespace zyn {

class ControllerTable;

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

// Hears the progress steps done so far, each time a unit that makes one has
// gone to the file.
using StepReport = std::function<void(int steps)>;

// Writes the table into the volume's root folder unit by unit, reporting its
// progress steps on the way (6400 for a whole table). When the file read back
// differs, `readBackDifferences` (if given) receives how, in the show's terms.
FileError writeTableToVolume(const QString& volumeRoot, const ControllerTable& table,
                             const StepReport& report,
                             std::vector<PlanDifference>* readBackDifferences = nullptr);

// Writes the bytes to any path with the same guarantees.
FileError writeFile(const QString& path, QByteArrayView bytes);

} // namespace DriveExport
} // namespace zyn
