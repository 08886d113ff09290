#pragma once

#include "SourceFloor.h"
#include "SourceTree.h"

#include <QStringList>

namespace zyn::test {

class QtModules;

// Reads a source tree and lists what breaks its layering, one line per
// offence, naming the file as "src/<path>".
class LayeringCheck {
public:
    explicit LayeringCheck(const QString& root) : m_tree(root) {}

    const SourceTree& tree() const { return m_tree; }
    QStringList filesOn(Floor floor) const;

    // Includes of the files on a floor that reach a floor they may not.
    QStringList floorOffences(Floor floor) const;
    // Includes of core files from a Qt module other than Qt Core.
    QStringList qtModuleOffences(const QtModules& qt) const;
    QStringList longFiles(int maxLines) const;

private:
    QString where(const QString& path, int line) const;

    SourceTree m_tree;
};

} // namespace zyn::test
