#include "SourceTree.h"

#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>

namespace zyn::test {

namespace {

QByteArray contentOf(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

} // namespace

SourceTree::SourceTree(const QString& root) : m_root(QDir(root).absolutePath()) {
    QDirIterator it(m_root, QDir::Files | QDir::Hidden, QDirIterator::Subdirectories);
    const QDir base(m_root);
    while (it.hasNext())
        m_files.append(base.relativeFilePath(it.next()));
    m_files.sort();
    m_known = QSet<QString>(m_files.cbegin(), m_files.cend());
}

QStringList SourceTree::codeFiles() const {
    static const QRegularExpression code(QStringLiteral("\\.(h|hpp|cpp|cc)$"));
    return m_files.filter(code);
}

QList<IncludeLine> SourceTree::includesOf(const QString& path) const {
    static const QRegularExpression include(
        QStringLiteral("^\\s*#\\s*include\\s*([<\"])([^>\"]+)[>\"]"));
    QList<IncludeLine> found;
    const QList<QByteArray> lines = contentOf(QDir(m_root).filePath(path)).split('\n');
    for (int i = 0; i < lines.size(); ++i) {
        const QRegularExpressionMatch match = include.match(QString::fromUtf8(lines[i]));
        if (match.hasMatch())
            found.append({i + 1, match.captured(2).trimmed(), match.captured(1) == u'"'});
    }
    return found;
}

int SourceTree::lineCount(const QString& path) const {
    const QByteArray content = contentOf(QDir(m_root).filePath(path));
    return int(content.count('\n')) + (content.isEmpty() || content.endsWith('\n') ? 0 : 1);
}

QString SourceTree::resolve(const QString& includer, const QString& name) const {
    const QString besideIncluder = QDir::cleanPath(QFileInfo(includer).path() + u'/' + name);
    if (contains(besideIncluder))
        return besideIncluder;
    const QString fromRoot = QDir::cleanPath(name);
    return contains(fromRoot) ? fromRoot : QString();
}

} // namespace zyn::test
