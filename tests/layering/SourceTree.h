#pragma once

#include <QList>
#include <QSet>
#include <QString>
#include <QStringList>

namespace zyn::test {

// One #include line of a source file.
struct IncludeLine {
    int line = 0;
    QString name;
    bool quoted = false;
};

// The files below a source root, named by their path relative to it
// ("editor/ui/CueGridModel.h").
class SourceTree {
public:
    explicit SourceTree(const QString& root);

    const QString& root() const { return m_root; }
    const QStringList& files() const { return m_files; }
    // The C++ sources and headers among the files.
    QStringList codeFiles() const;
    bool contains(const QString& path) const { return m_known.contains(path); }

    QList<IncludeLine> includesOf(const QString& path) const;
    int lineCount(const QString& path) const;

    // The file a quoted include names: beside the including file first, then
    // from the root. Empty when it names nothing in the tree (a generated
    // header, or a path that leaves the root).
    QString resolve(const QString& includer, const QString& name) const;

private:
    QString m_root;
    QStringList m_files;
    QSet<QString> m_known;
};

} // namespace zyn::test
