#include "RecoveryFile.h"

#include "AtomicFile.h"
#include "FieldReader.h"
#include "FieldWriter.h"
#include "ProjectReader.h"
#include "ProjectWriter.h"
#include "Show.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLockFile>
#include <QUrl>

namespace zyn {

namespace {

constexpr QByteArrayView RecoverySection = "[RECOVERY]";

// Percent-encoded UTF-8: any path, line breaks and quotes included, stays
// one quoted ASCII line.
QByteArray encodedPath(const QString& path) {
    return QUrl::toPercentEncoding(path, "/");
}

QString decodedPath(const QByteArray& field) {
    return QString::fromUtf8(QByteArray::fromPercentEncoding(field));
}

} // namespace

RecoveryFile::RecoveryFile(const QString& programDirectory, QByteArray key)
    : m_directory(programDirectory), m_key(std::move(key)) {}

RecoveryFile::~RecoveryFile() = default;

bool RecoveryFile::claim() {
    if (claimed())
        return true;
    auto lock = std::make_unique<QLockFile>(QDir(m_directory).filePath(LockFileName));
    // Held for the whole run: only a lock whose program is gone is stale.
    lock->setStaleLockTime(0);
    if (!lock->tryLock(0))
        return false;
    m_lock = std::move(lock);
    return true;
}

bool RecoveryFile::claimed() const {
    return m_lock && m_lock->isLocked();
}

QString RecoveryFile::path() const {
    return QDir(m_directory).filePath(FileName);
}

QByteArray RecoveryFile::trailer(const QString& projectPath, const QDateTime& written) {
    FieldWriter writer;
    writer.plainLine(RecoverySection);
    writer.textField(encodedPath(projectPath));
    writer.textField(
        written.toOffsetFromUtc(written.offsetFromUtc()).toString(Qt::ISODate).toLatin1());
    return writer.bytes();
}

RecoveryFile::Details RecoveryFile::parseTrailer(const QByteArray& content) {
    // Scrambled fields are quoted and never break a line, so the section line
    // cannot occur inside the show; the last one counts.
    Details details;
    FieldReader reader(content);
    while (!reader.atEnd()) {
        if (*reader.readLine() != RecoverySection)
            continue;
        details = {};
        if (const std::optional<QByteArray> path = reader.readLineField())
            details.projectPath = decodedPath(*path);
        if (const std::optional<QByteArray> time = reader.readLineField())
            details.written = QDateTime::fromString(QString::fromLatin1(*time), Qt::ISODate);
    }
    return details;
}

std::optional<RecoveryFile::Details> RecoveryFile::find() const {
    if (!claimed() || !QFileInfo(path()).isFile())
        return std::nullopt;
    QFile file(path());
    if (!file.open(QIODevice::ReadOnly) || file.size() > ProjectReader::MaxFileSize)
        return Details{};
    return parseTrailer(file.readAll());
}

FileError RecoveryFile::update(const Show& show, const QString& projectPath,
                               const StopLabels& labels, const QDateTime& now) {
    if (!claimed())
        return FileError::none();
    if (!show.state.ShowChanged) {
        remove();
        return FileError::none();
    }
    QByteArray bytes;
    if (FileError error = ProjectWriter(labels, m_key).serialize(show, &bytes)) {
        error.path = path();
        return error;
    }
    const QByteArray identity = bytes + encodedPath(projectPath);
    if (identity == m_lastWritten && QFileInfo(path()).isFile())
        return FileError::none();
    bytes += trailer(projectPath, now);
    const FileError error = AtomicFile::save(path(), bytes);
    if (error.ok())
        m_lastWritten = identity;
    return error;
}

FileError RecoveryFile::restore(Show& show, const StopLabels& labels, Details* details) const {
    QFile file(path());
    if (!file.open(QIODevice::ReadOnly)) {
        FileError error = FileError::at(FileError::Kind::CannotOpen, path());
        error.detail = file.errorString();
        return error;
    }
    if (file.size() > ProjectReader::MaxFileSize)
        return FileError::at(FileError::Kind::NotAProject, path());
    const QByteArray content = file.readAll();
    const FileError error = ProjectReader(labels, m_key).readAsStored(content, path(), show);
    *details = parseTrailer(content);
    show.state.ProjectPath.clear();
    show.state.ShowChanged = true;
    show.cues.renumber();
    return error;
}

void RecoveryFile::remove() {
    if (!claimed())
        return;
    QFile::remove(path());
    m_lastWritten.clear();
}

QString RecoveryFile::setAside() {
    if (!claimed())
        return {};
    const QString aside = QDir(m_directory).filePath(DamagedFileName);
    QFile::remove(aside);
    if (!QFile::rename(path(), aside))
        return {};
    m_lastWritten.clear();
    return aside;
}

} // namespace zyn
