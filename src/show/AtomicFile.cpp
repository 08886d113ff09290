#include "AtomicFile.h"

#include <QSaveFile>

namespace zyn::AtomicFile {

namespace {

FileError writeError(const QString& path, const QFileDevice& file) {
    FileError error = FileError::at(FileError::Kind::CannotWrite, path);
    switch (file.error()) {
    case QFileDevice::ResourceError:
        error.number = 61; // disk full
        break;
    case QFileDevice::PermissionsError:
        error.number = 70; // permission denied
        break;
    case QFileDevice::OpenError:
        error.number = 75; // path/file access error
        break;
    default:
        break;
    }
    error.detail = file.errorString();
    return error;
}

} // namespace

bool writeAll(QIODevice& device, QByteArrayView bytes) {
    qsizetype done = 0;
    while (done < bytes.size()) {
        const qint64 written = device.write(bytes.data() + done, bytes.size() - done);
        if (written <= 0)
            return false;
        done += written;
    }
    return true;
}

FileError save(const QString& path, QByteArrayView bytes) {
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        return writeError(path, file);
    // The last bytes wait in the device's buffer; a disk that fills up while
    // they are flushed must fail the save here, since the commit that closes
    // the file does not look at the flush and would replace the target with
    // a short file.
    if (!writeAll(file, bytes) || !file.flush()) {
        FileError error = writeError(path, file);
        file.cancelWriting();
        return error;
    }
    if (!file.commit())
        return writeError(path, file);
    return FileError::none();
}

} // namespace zyn::AtomicFile
