#pragma once

#include "FileError.h"

#include <QString>
#include <optional>

namespace zyn {

// "ZYNFiles.ini" in the program directory: the last saved project, offered by
// the start dialog. It holds one path and is rewritten after every save.
namespace RecentFiles {

inline constexpr QLatin1StringView FileName{"ZYNFiles.ini"};

QByteArray serialize(const QString& lastProject);
FileError write(const QString& iniPath, const QString& lastProject);

// The remembered path; nothing when the file is missing, unreadable or holds
// no path after its "[LASTFILE]" line.
std::optional<QString> readLastProject(const QString& iniPath);
std::optional<QString> parseLastProject(const QByteArray& content);

} // namespace RecentFiles
} // namespace zyn
