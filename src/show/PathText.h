#pragma once

#include <QByteArray>
#include <QString>

namespace zyn {

// Paths and names in the recent-files and configuration files. They are
// written in the code page when it holds every character; otherwise, and
// when their code-page bytes would start like the mark, as UTF-8 behind a
// byte-order mark, so that any path or name comes back exactly.
namespace PathText {

QByteArray encode(const QString& path);
QString decode(QByteArrayView bytes);

} // namespace PathText
} // namespace zyn
