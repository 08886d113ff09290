#pragma once

#include <QByteArray>
#include <QString>

namespace zyn {

// Paths and names in the recent-files and configuration files. They are
// written in the code page when it holds every character; otherwise as UTF-8
// behind a byte-order mark, which no code-page path can start with (an
// absolute path starts with "/" or a drive letter), so that any path the
// system gives comes back exactly.
namespace PathText {

QByteArray encode(const QString& path);
QString decode(QByteArrayView bytes);

} // namespace PathText
} // namespace zyn
