#pragma once

#include <QDir>
#include <QString>

namespace zyn::test {

inline QString dataDir(const QString& relative = {}) {
    return QDir(QStringLiteral(ZYN_TEST_DATA_DIR)).filePath(relative);
}

inline QString languageSourceDir() {
    return QStringLiteral(ZYN_LANG_SOURCE_DIR);
}
inline QString builtLanguageDir() {
    return QStringLiteral(ZYN_LANGUAGE_BUILD_DIR);
}
inline QString sourceDir() {
    return QStringLiteral(ZYN_SOURCE_DIR);
}

} // namespace zyn::test
