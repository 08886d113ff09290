#include "DriveExport.h"

#include "ControllerTable.h"
#include "show/AtomicFile.h"
#include "verify/ReadBackComparison.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>
#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <optional>
#include <unistd.h>

namespace zyn::DriveExport {

namespace {

// Error numbers in the tradition of the program's run-time errors.
constexpr int DiskFull = 61;
constexpr int PermissionDenied = 70;
constexpr int PathAccessError = 75;

FileError failure(const QString& path, int number, const QString& detail) {
    FileError error = FileError::at(FileError::Kind::CannotWrite, path);
    if (number != 0)
        error.number = number;
    error.detail = detail;
    return error;
}

FileError deviceFailure(const QString& path, const QFileDevice& file) {
    switch (file.error()) {
    case QFileDevice::ResourceError:
        return failure(path, DiskFull, file.errorString());
    case QFileDevice::PermissionsError:
        return failure(path, PermissionDenied, file.errorString());
    case QFileDevice::OpenError:
        return failure(path, PathAccessError, file.errorString());
    default:
        return failure(path, 0, file.errorString());
    }
}

FileError errnoFailure(const QString& path, int code) {
    const QString detail = QString::fromLocal8Bit(std::strerror(code));
    if (code == ENOSPC || code == EDQUOT)
        return failure(path, DiskFull, detail);
    if (code == EACCES || code == EPERM || code == EROFS)
        return failure(path, PermissionDenied, detail);
    return failure(path, 0, detail);
}

// fsync, retried when a signal interrupts it; 0 or the error code.
int syncDescriptor(int fd) {
    int result;
    do {
        result = ::fsync(fd);
    } while (result != 0 && errno == EINTR);
    return result == 0 ? 0 : errno;
}

// Makes the rename itself durable. File systems that cannot sync a folder
// say so with EINVAL; that is no failure of this file.
int syncFolder(const QString& folder) {
    const int fd = ::open(QFile::encodeName(folder).constData(), O_RDONLY | O_DIRECTORY);
    if (fd < 0)
        return errno;
    const int code = syncDescriptor(fd);
    ::close(fd);
    return code == EINVAL || code == ENOTSUP ? 0 : code;
}

// The file as the medium holds it: the cached pages are dropped first, so the
// read goes to the device rather than to the copy just written.
std::optional<QByteArray> readBack(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return std::nullopt;
    ::posix_fadvise(file.handle(), 0, 0, POSIX_FADV_DONTNEED);
    QByteArray content = file.readAll();
    if (file.error() != QFileDevice::NoError)
        return std::nullopt;
    return content;
}

// Puts the content into the open file; false as soon as the file refuses.
using ContentWriter = std::function<bool(QIODevice& file)>;

FileError writeAndSync(QSaveFile& file, const QString& path, const ContentWriter& write) {
    if (!write(file) || !file.flush())
        return deviceFailure(path, file);
    if (const int code = syncDescriptor(file.handle()))
        return errnoFailure(path, code);
    return FileError::none();
}

// Writes the content that `write` produces, which must equal `bytes`, and
// proves the medium holds exactly those bytes.
FileError writeChecked(const QString& path, QByteArrayView bytes, const ContentWriter& write,
                       std::vector<PlanDifference>* readBackDifferences = nullptr) {
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        return deviceFailure(path, file);
    if (FileError error = writeAndSync(file, path, write)) {
        file.cancelWriting();
        return error;
    }
    if (!file.commit())
        return deviceFailure(path, file);
    // From here on the name holds the new bytes; a file that does not prove
    // complete on the medium is removed rather than left for the controller.
    if (const int code = syncFolder(QFileInfo(path).absolutePath())) {
        QFile::remove(path);
        return errnoFailure(path, code);
    }
    const std::optional<QByteArray> stored = readBack(path);
    if (!stored) {
        QFile::remove(path);
        return failure(path, 0, QStringLiteral("the file cannot be read back"));
    }
    if (const ReadBackComparison comparison = ReadBackComparison::of(bytes, *stored);
        !comparison.equal()) {
        QFile::remove(path);
        if (readBackDifferences)
            *readBackDifferences = comparison.differences;
        return failure(path, 0, comparison.text());
    }
    return FileError::none();
}

} // namespace

QString filePath(const QString& volumeRoot) {
    return QDir(volumeRoot).filePath(FileName);
}

FileError writeToVolume(const QString& volumeRoot, QByteArrayView bytes) {
    return writeFile(filePath(volumeRoot), bytes);
}

FileError writeFile(const QString& path, QByteArrayView bytes) {
    return writeChecked(path, bytes,
                        [bytes](QIODevice& file) { return AtomicFile::writeAll(file, bytes); });
}

FileError writeTableToVolume(const QString& volumeRoot, const ControllerTable& table,
                             const StepReport& report,
                             std::vector<PlanDifference>* readBackDifferences) {
    const auto writeUnits = [&table, &report](QIODevice& file) {
        int steps = 0;
        for (const TableUnit& unit : table.units()) {
            if (!AtomicFile::writeAll(file, unit.bytes))
                return false;
            if (unit.progressStep && report)
                report(++steps);
        }
        return true;
    };
    return writeChecked(filePath(volumeRoot), table.bytes(), writeUnits, readBackDifferences);
}

} // namespace zyn::DriveExport
