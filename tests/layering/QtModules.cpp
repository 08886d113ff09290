#include "QtModules.h"

#include <QDir>
#include <QFileInfo>

namespace zyn::test {

namespace {

const QString coreModule = QStringLiteral("QtCore");

} // namespace

QtModules::QtModules(const QStringList& coreIncludeDirs) {
    for (const QString& dir : coreIncludeDirs) {
        const QFileInfo info(dir);
        if (info.fileName() == coreModule && info.isDir())
            m_root = info.absolutePath();
    }
    if (m_root.isEmpty())
        return;
    m_modules = QDir(m_root).entryList({QStringLiteral("Qt*")}, QDir::Dirs | QDir::NoDotAndDotDot);
    // Qt Core answers first, so a header several modules share counts as Core's.
    m_modules.removeAll(coreModule);
    m_modules.prepend(coreModule);
}

QString QtModules::moduleOf(const QString& header) const {
    const QString first = header.section(u'/', 0, 0);
    if (header.contains(u'/') && m_modules.contains(first))
        return first;
    for (const QString& module : m_modules)
        if (QFileInfo::exists(m_root + u'/' + module + u'/' + header))
            return module;
    return {};
}

} // namespace zyn::test
