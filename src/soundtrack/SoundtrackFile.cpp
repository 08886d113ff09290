#include "SoundtrackFile.h"

#include "editor/TimeCode.h"
#include "show/AtomicFile.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStringDecoder>
#include <algorithm>

namespace zyn::SoundtrackFile {

namespace {

using Kind = FileError::Kind;

const QString Section = QStringLiteral("[Soundtrack]");
const QString FileKey = QStringLiteral("File");
const QString StartKey = QStringLiteral("Start");
const QString SegmentKey = QStringLiteral("Segment");

bool hasControlCharacter(QStringView text) {
    for (const QChar c : text) {
        if (c.unicode() < 0x20 || c.unicode() == 0x7f)
            return true;
    }
    return false;
}

// One pass over the lines; the first fault ends the reading.
class CompanionParser {
public:
    CompanionParser(const QString& path, const QString& folder) : m_path(path), m_folder(folder) {}

    FileError run(const QByteArray& content, Soundtrack* soundtrack) {
        if (content.size() > MaxFileSize)
            return FileError::at(Kind::WrongType, m_path);
        QByteArrayView rest = content;
        if (rest.startsWith("\xEF\xBB\xBF"))
            rest = rest.sliced(3);
        int lineNumber = 0;
        while (m_error.ok() && !rest.isEmpty()) {
            const qsizetype end = rest.indexOf('\n');
            QByteArrayView line = end < 0 ? rest : rest.first(end);
            rest = end < 0 ? QByteArrayView() : rest.sliced(end + 1);
            if (line.endsWith('\r'))
                line.chop(1);
            readLine(line, ++lineNumber);
        }
        if (m_error.ok() && (!m_sawSection || m_file.isEmpty() || !m_sawStart))
            fail(Kind::Truncated, 0);
        if (m_error.ok())
            *soundtrack = {resolvedPath(m_file, m_folder), m_start, m_segment};
        return m_error;
    }

private:
    void fail(Kind kind, int line) {
        if (m_error.ok())
            m_error = FileError::at(kind, m_path, line);
    }

    void readLine(QByteArrayView bytes, int line) {
        QStringDecoder decoder(QStringDecoder::Utf8);
        const QString text = decoder.decode(bytes);
        if (decoder.hasError())
            return fail(Kind::WrongType, line);
        const QString trimmed = text.trimmed();
        if (trimmed.isEmpty() || trimmed.startsWith(u';') || trimmed.startsWith(u'#'))
            return;
        if (!m_sawSection) {
            m_sawSection = trimmed.compare(Section, Qt::CaseInsensitive) == 0;
            if (!m_sawSection)
                fail(Kind::WrongType, line);
            return;
        }
        const qsizetype equals = text.indexOf(u'=');
        if (equals < 0)
            return fail(Kind::WrongType, line);
        readValue(text.left(equals).trimmed(), QStringView(text).sliced(equals + 1), line);
    }

    void readValue(const QString& key, QStringView value, int line) {
        if (key.compare(FileKey, Qt::CaseInsensitive) == 0 && m_file.isEmpty()) {
            if (value.isEmpty() || hasControlCharacter(value))
                return fail(Kind::WrongType, line);
            m_file = value.toString();
        } else if (key.compare(StartKey, Qt::CaseInsensitive) == 0 && !m_sawStart) {
            const std::optional<int> start = startFrom(value.trimmed());
            if (!start)
                return fail(TimeCode::hasForm(value.trimmed()) ? Kind::OutOfRange : Kind::WrongType,
                            line);
            m_start = *start;
            m_sawStart = true;
        } else if (key.compare(SegmentKey, Qt::CaseInsensitive) == 0 && !m_sawSegment) {
            bool isNumber = false;
            const qlonglong segment = value.trimmed().toLongLong(&isNumber);
            if (!isNumber)
                return fail(Kind::WrongType, line);
            if (segment < 1 || segment > MaxSegment)
                return fail(Kind::OutOfRange, line);
            m_segment = int(segment);
            m_sawSegment = true;
        } else {
            // An unknown key, a second section or a value given twice.
            fail(Kind::WrongType, line);
        }
    }

    const QString& m_path;
    const QString& m_folder;
    FileError m_error;
    bool m_sawSection = false;
    bool m_sawStart = false;
    bool m_sawSegment = false;
    QString m_file;
    int m_start = 0;
    int m_segment = 1;
};

QString folderOf(const QString& projectPath) {
    return QFileInfo(projectPath).absolutePath();
}

} // namespace

QString pathFor(const QString& projectPath) {
    const QFileInfo project(projectPath);
    // A project that itself ends in the companion's suffix must not be
    // overwritten by its own soundtrack.
    if (project.suffix().compare(QLatin1String(Suffix), Qt::CaseInsensitive) == 0)
        return projectPath + u'.' + Suffix;
    return project.dir().filePath(project.completeBaseName() + u'.' + Suffix);
}

QString storedPath(const QString& audio, const QString& folder) {
    const QDir base(folder);
    const QString absolute = QDir::cleanPath(base.absoluteFilePath(audio));
    const QString relative = base.relativeFilePath(absolute);
    const bool below = QDir::isRelativePath(relative) && relative != u"." && relative != u".." &&
                       !relative.startsWith(QStringLiteral("../"));
    return below ? relative : absolute;
}

QString resolvedPath(const QString& stored, const QString& folder) {
    return QDir::cleanPath(QDir(folder).absoluteFilePath(stored));
}

QString startText(int centiseconds) {
    centiseconds = std::clamp(centiseconds, 0, MaxStart);
    const int seconds = centiseconds / 100;
    return TimeCode{seconds / 3600, seconds / 60 % 60, seconds % 60, centiseconds % 100}.text();
}

std::optional<int> startFrom(QStringView text) {
    if (!TimeCode::hasForm(text))
        return std::nullopt;
    const TimeCode time = TimeCode::readPositional(text);
    if (time.minutes >= 60 || time.seconds >= 60)
        return std::nullopt;
    return int(time.totalHundredths());
}

std::optional<QByteArray> bytes(const Soundtrack& soundtrack, const QString& folder) {
    const QString file = storedPath(soundtrack.file, folder);
    if (hasControlCharacter(file))
        return std::nullopt;
    return (Section + u'\n' + FileKey + u'=' + file + u'\n' + StartKey + u'=' +
            startText(soundtrack.startCentiseconds) + u'\n' + SegmentKey + u'=' +
            QString::number(std::clamp(soundtrack.segment, 1, MaxSegment)) + u'\n')
        .toUtf8();
}

FileError parse(const QByteArray& content, const QString& path, const QString& folder,
                Soundtrack* soundtrack) {
    *soundtrack = {};
    return CompanionParser(path, folder).run(content, soundtrack);
}

Loaded load(const QString& projectPath) {
    Loaded loaded;
    const QString path = pathFor(projectPath);
    const QFileInfo info(path);
    if (!info.exists())
        return loaded;
    QFile file(path);
    if (info.isDir() || !file.open(QIODevice::ReadOnly)) {
        loaded.error = FileError::at(Kind::CannotOpen, path);
        loaded.error.detail = info.isDir() ? QString() : file.errorString();
        return loaded;
    }
    // One byte more than allowed is enough to refuse a file that is too long.
    loaded.error =
        parse(file.read(MaxFileSize + 1), path, folderOf(projectPath), &loaded.soundtrack);
    return loaded;
}

FileError save(const QString& projectPath, const Soundtrack& soundtrack) {
    const QString path = pathFor(projectPath);
    if (!soundtrack.isSet()) {
        QFile old(path);
        if (!old.exists() || old.remove())
            return FileError::none();
        FileError error = FileError::at(Kind::CannotWrite, path);
        error.detail = old.errorString();
        return error;
    }
    const std::optional<QByteArray> content = bytes(soundtrack, folderOf(projectPath));
    if (!content)
        return FileError::at(Kind::Unstorable, path);
    return AtomicFile::save(path, *content);
}

} // namespace zyn::SoundtrackFile
