#include "RecentFiles.h"

#include "AtomicFile.h"
#include "FieldReader.h"
#include "FieldWriter.h"
#include "PathText.h"

#include <QFile>

namespace zyn::RecentFiles {

namespace {
constexpr QByteArrayView Header = "[ZYN600x2 PROJECTFILES]";
constexpr QByteArrayView LastFileSection = "[LASTFILE]";
// Far more than a path needs; a bigger file is not ours.
constexpr qint64 MaxFileSize = 1024 * 1024;
} // namespace

QByteArray serialize(const QString& lastProject) {
    FieldWriter writer;
    writer.plainLine(Header);
    writer.plainLine(LastFileSection);
    writer.textField(PathText::encode(lastProject));
    return writer.bytes();
}

FileError write(const QString& iniPath, const QString& lastProject) {
    return AtomicFile::save(iniPath, serialize(lastProject));
}

std::optional<QString> parseLastProject(const QByteArray& content) {
    FieldReader reader(content);
    std::optional<QString> last;
    while (!reader.atEnd()) {
        if (*reader.readLine() != LastFileSection)
            continue;
        if (const std::optional<QByteArray> value = reader.readLineField())
            last = PathText::decode(*value);
    }
    if (last && last->isEmpty())
        return std::nullopt;
    return last;
}

std::optional<QString> readLastProject(const QString& iniPath) {
    QFile file(iniPath);
    if (!file.open(QIODevice::ReadOnly) || file.size() > MaxFileSize)
        return std::nullopt;
    return parseLastProject(file.readAll());
}

} // namespace zyn::RecentFiles
