#include "WindowTitle.h"

#include "Version.h"

#include <QDir>

namespace zyn::WindowTitle {

QString base() {
    return QStringLiteral("%1 (%2.%3.%4)")
        .arg(QLatin1String(Version::ProductName))
        .arg(Version::Major)
        .arg(Version::Minor)
        .arg(Version::Revision);
}

QString withDocument(const QString& document) {
    return base() + QStringLiteral(" - [") + QDir::toNativeSeparators(document) + u']';
}

} // namespace zyn::WindowTitle
