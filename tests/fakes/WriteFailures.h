#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>
#include <QTemporaryDir>
#include <functional>
#include <gtest/gtest.h>
#include <optional>

namespace zyn::test {

// The ways a write can fail that no writer may turn into lost data: the
// folder is not there, the file is read-only, the disk fills up part-way.
enum class WriteFailure { MissingFolder, ReadOnlyFile, DiskFull };

inline constexpr WriteFailure EveryWriteFailure[] = {
    WriteFailure::MissingFolder, WriteFailure::ReadOnlyFile, WriteFailure::DiskFull};

const char* nameOf(WriteFailure failure);

// A file that a writer is pointed at, in a folder of its own, holding earlier
// content, and the one failure its next write meets. run() performs the write
// with the failure in force; afterwards untouched() proves that the folder
// holds exactly what it held before.
//
// Root writes read-only files at will: when the tests run as root, the write
// runs with the calling thread's rights lowered to those of "nobody".
class FailingTarget {
public:
    FailingTarget(WriteFailure failure, const QString& fileName,
                  QByteArray previous = "previous content\r\n");

    const QString& path() const { return m_path; }

    // The write's own verdict (true: it reported the failure as it should);
    // nothing when the failure cannot be brought about here, see skipReason().
    std::optional<bool> run(const std::function<bool()>& write);
    const QString& skipReason() const { return m_skipReason; }

    testing::AssertionResult untouched() const;

private:
    WriteFailure m_failure;
    QTemporaryDir m_base;
    QString m_folder;
    QString m_path;
    QByteArray m_previous;
    QString m_watched; // the folder whose entries must not change
    QStringList m_entries;
    QString m_skipReason;
};

// The calling thread with the rights of "nobody" instead of root's for the
// scope, so that file permissions hold for it; other threads keep theirs.
// Without root nothing changes.
class WithoutRootRights {
public:
    WithoutRootRights();
    ~WithoutRootRights();
    WithoutRootRights(const WithoutRootRights&) = delete;
    WithoutRootRights& operator=(const WithoutRootRights&) = delete;

    // False when root's rights could not be given up.
    bool ok() const { return m_ok; }

private:
    bool m_ok = false;
    bool m_dropped = false;
};

// Lets every user read and enter a folder (and write into it), so that a
// write with lowered rights fails at its target and nowhere before.
void openToEveryone(const QString& folder);

} // namespace zyn::test
