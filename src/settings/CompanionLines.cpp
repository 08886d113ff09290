#include "CompanionLines.h"

#include <QFile>
#include <algorithm>

namespace zyn {

QByteArray CompanionLines::keyOf(const QByteArray& line) {
    const QByteArray trimmed = line.trimmed();
    const qsizetype equals = trimmed.indexOf('=');
    if (trimmed.startsWith('#') || equals < 0)
        return {};
    return trimmed.left(equals).trimmed();
}

QByteArray CompanionLines::merged(const QByteArray& content, const QList<Entry>& entries) {
    QList<QByteArray> lines = content.split('\n');
    if (!lines.isEmpty() && lines.last().isEmpty())
        lines.removeLast();
    QList<bool> written(entries.size(), false);
    for (QByteArray& line : lines) {
        const QByteArray key = keyOf(line);
        for (qsizetype i = 0; i < entries.size(); ++i) {
            if (!key.isEmpty() && key == entries[i].first) {
                line = entries[i].first + '=' + entries[i].second;
                written[i] = true;
            }
        }
    }
    for (qsizetype i = 0; i < entries.size(); ++i) {
        if (!written[i])
            lines.append(entries[i].first + '=' + entries[i].second);
    }
    return lines.join('\n') + '\n';
}

QByteArray CompanionLines::mergedWithFile(const QString& path, const QList<Entry>& entries) {
    QFile file(path);
    const QByteArray content = file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    return merged(content, entries);
}

} // namespace zyn
