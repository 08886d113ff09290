#pragma once

#include <QByteArray>
#include <QList>
#include <utility>

namespace zyn {

// The "key=value" lines of the companion settings file, which several parts
// of the program share: each part rewrites its own keys and leaves every
// other line (and its place) as it found it.
class CompanionLines {
public:
    using Entry = std::pair<QByteArray, QByteArray>;

    // `content` with each entry's line replaced, or appended when missing.
    static QByteArray merged(const QByteArray& content, const QList<Entry>& entries);
    // The file at `path` (none yet: empty) merged with the entries.
    static QByteArray mergedWithFile(const QString& path, const QList<Entry>& entries);
    // The key of a line; empty for a comment or a line without "=".
    static QByteArray keyOf(const QByteArray& line);
};

} // namespace zyn
