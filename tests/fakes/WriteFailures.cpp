#include "WriteFailures.h"

#include "FileSizeLimit.h"

#include <QDir>
#include <QFile>
#include <pwd.h>
#include <sys/syscall.h>
#include <unistd.h>

namespace zyn::test {

namespace {

// Small enough that every file the program writes outgrows it.
constexpr rlim_t DiskFullBytes = 8;

QStringList entriesOf(const QString& folder) {
    return QDir(folder).entryList(
        QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot, QDir::Name);
}

QByteArray contentOf(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

} // namespace

WithoutRootRights::WithoutRootRights() {
    if (geteuid() != 0) {
        m_ok = true;
        return;
    }
    const passwd* nobody = getpwnam("nobody");
    const uid_t uid = nobody ? nobody->pw_uid : 65534;
    const gid_t gid = nobody ? nobody->pw_gid : 65534;
    // The raw system calls change this thread only (the C library's setuid
    // would change every thread); the saved id 0 lets it take its rights back.
    if (syscall(SYS_setresgid, gid, gid, 0) != 0)
        return;
    if (syscall(SYS_setresuid, uid, uid, 0) != 0) {
        syscall(SYS_setresgid, 0, 0, 0);
        return;
    }
    m_ok = m_dropped = true;
}

WithoutRootRights::~WithoutRootRights() {
    if (!m_dropped)
        return;
    syscall(SYS_setresuid, 0, 0, 0);
    syscall(SYS_setresgid, 0, 0, 0);
}

const char* nameOf(WriteFailure failure) {
    switch (failure) {
    case WriteFailure::MissingFolder:
        return "folder that does not exist";
    case WriteFailure::ReadOnlyFile:
        return "read-only file";
    case WriteFailure::DiskFull:
        return "full disk";
    }
    return "";
}

void openToEveryone(const QString& folder) {
    QFile::setPermissions(folder, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner |
                                      QFile::ReadGroup | QFile::WriteGroup | QFile::ExeGroup |
                                      QFile::ReadOther | QFile::WriteOther | QFile::ExeOther);
}

FailingTarget::FailingTarget(WriteFailure failure, const QString& fileName, QByteArray previous)
    : m_failure(failure), m_previous(std::move(previous)) {
    openToEveryone(m_base.path());
    if (failure == WriteFailure::MissingFolder) {
        m_folder = m_base.filePath(QStringLiteral("missing/deeper"));
        m_watched = m_base.path();
    } else {
        m_folder = m_base.filePath(QStringLiteral("out"));
        m_watched = m_folder;
        QDir().mkpath(m_folder);
        openToEveryone(m_folder);
        QFile file(QDir(m_folder).filePath(fileName));
        if (file.open(QIODevice::WriteOnly))
            file.write(m_previous);
    }
    m_path = QDir(m_folder).filePath(fileName);
    if (failure == WriteFailure::ReadOnlyFile)
        QFile::setPermissions(m_path, QFile::ReadOwner | QFile::ReadGroup | QFile::ReadOther);
    m_entries = entriesOf(m_watched);
}

std::optional<bool> FailingTarget::run(const std::function<bool()>& write) {
    switch (m_failure) {
    case WriteFailure::MissingFolder:
        return write();
    case WriteFailure::ReadOnlyFile: {
        const WithoutRootRights unprivileged;
        if (!unprivileged.ok()) {
            m_skipReason = QStringLiteral("the test cannot give up root's rights");
            return std::nullopt;
        }
        QFile probe(m_path);
        if (probe.open(QIODevice::Append)) {
            m_skipReason = QStringLiteral("file permissions are not enforced here");
            return std::nullopt;
        }
        return write();
    }
    case WriteFailure::DiskFull: {
        const FileSizeLimit limit(DiskFullBytes);
        if (!limit.active()) {
            m_skipReason = QStringLiteral("the file size limit cannot be lowered here");
            return std::nullopt;
        }
        return write();
    }
    }
    return std::nullopt;
}

testing::AssertionResult FailingTarget::untouched() const {
    const QStringList entries = entriesOf(m_watched);
    if (entries != m_entries)
        return testing::AssertionFailure()
               << "the folder holds [" << entries.join(u' ').toStdString() << "] instead of ["
               << m_entries.join(u' ').toStdString() << "]";
    if (m_failure != WriteFailure::MissingFolder && contentOf(m_path) != m_previous)
        return testing::AssertionFailure()
               << "the previous content of " << m_path.toStdString() << " was not kept";
    return testing::AssertionSuccess();
}

} // namespace zyn::test
