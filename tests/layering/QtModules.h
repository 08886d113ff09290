#pragma once

#include <QString>
#include <QStringList>

namespace zyn::test {

// Tells which Qt module an angle-bracket include comes from, by looking it up
// in the installed Qt include directories.
class QtModules {
public:
    // The include directories of Qt Core; the one named QtCore locates the
    // others beside it.
    explicit QtModules(const QStringList& coreIncludeDirs);

    bool found() const { return !m_modules.isEmpty(); }
    // "QtCore", "QtWidgets", ...; empty when the header is not Qt's.
    QString moduleOf(const QString& header) const;

private:
    QString m_root;
    QStringList m_modules;
};

} // namespace zyn::test
