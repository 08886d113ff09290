#pragma once

#include "FileError.h"
#include "Settings.h"

#include <QByteArray>

namespace zyn {

// "ZYN600.cfg": eighteen lines of sections and values, read at start-up (the
// language name, which must stay the third value) and when the editor opens
// (everything else), written when the program ends.
namespace ConfigFile {

inline constexpr QLatin1StringView FileName{"ZYN600.cfg"};

QByteArray serialize(const Settings& settings);
FileError write(const QString& path, const Settings& settings);

// The editor's read. The two column widths are reset first; a missing file
// gives every default; a section that is absent keeps what `settings` held,
// and a section whose values are damaged gets its defaults back.
void readEditorSettings(const QString& path, Settings& settings);
void parseEditorSettings(const QByteArray& content, Settings& settings);

// The start dialog's read: the third value of the file, "English" when the
// file is missing or holds no name.
QString readLanguageName(const QString& path);
QString parseLanguageName(const QByteArray& content);

} // namespace ConfigFile
} // namespace zyn
