#include "CheckSettings.h"

#include "CompanionLines.h"
#include "show/AtomicFile.h"

#include <QFile>

namespace zyn {

namespace {

const QByteArray ModuleGapKey = "module-gap-ms";

} // namespace

CheckSettings::Loaded CheckSettings::read(const QString& path) {
    Loaded loaded;
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return loaded;
    loaded.found = true;
    const QList<QByteArray> lines = file.readAll().split('\n');
    for (qsizetype i = 0; i < lines.size(); ++i) {
        const QByteArray line = lines[i].trimmed();
        if (line.isEmpty() || line.startsWith('#'))
            continue;
        const qsizetype equals = line.indexOf('=');
        if (equals >= 0 && line.left(equals).trimmed() != ModuleGapKey)
            continue;
        bool ok = false;
        const int value = line.mid(equals + 1).trimmed().toInt(&ok);
        if (equals >= 0 && ok && value >= 0 && value <= MaxModuleGapMs)
            loaded.settings.moduleGapMs = value;
        else
            loaded.ignored << path + u':' + QString::number(i + 1);
    }
    return loaded;
}

FileError CheckSettings::save(const QString& path) const {
    // Other parts keep their own lines in the same file.
    return AtomicFile::save(path, CompanionLines::mergedWithFile(
                                      path, {{ModuleGapKey, QByteArray::number(moduleGapMs)}}));
}

} // namespace zyn
