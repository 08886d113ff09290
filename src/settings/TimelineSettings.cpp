#include "TimelineSettings.h"

#include "CompanionLines.h"
#include "show/AtomicFile.h"

#include <QFile>

namespace zyn {

namespace {

const QByteArray ShownKey = "timeline-shown";
const QByteArray HeightKey = "timeline-height";

} // namespace

TimelineSettings TimelineSettings::read(const QString& path) {
    TimelineSettings settings;
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return settings;
    for (const QByteArray& line : file.readAll().split('\n')) {
        const QByteArray key = CompanionLines::keyOf(line);
        const QByteArray value = line.mid(line.indexOf('=') + 1).trimmed();
        bool ok = false;
        const int number = value.toInt(&ok);
        if (key == ShownKey && ok && (number == 0 || number == 1))
            settings.shown = number == 1;
        else if (key == HeightKey && ok && number >= MinHeight && number <= MaxHeight)
            settings.height = number;
    }
    return settings;
}

FileError TimelineSettings::save(const QString& path) const {
    return AtomicFile::save(
        path, CompanionLines::mergedWithFile(
                  path, {{ShownKey, shown ? "1" : "0"}, {HeightKey, QByteArray::number(height)}}));
}

} // namespace zyn
