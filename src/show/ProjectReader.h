#pragma once

#include "FileError.h"
#include "StopLabels.h"

#include <QByteArray>

namespace zyn {

class Show;

// Reads project files of all three header generations into the show, in
// place: rows beyond a section's count keep what they held.
//
// A load that fails part-way leaves what was read up to the failure in the
// show (so that a damaged file gives back as much as it holds) and marks the
// show changed, because it no longer matches any file.
class ProjectReader {
public:
    ProjectReader(StopLabels labels, QByteArray key);

    struct Outcome {
        FileError error;
        bool fileMissing = false; // not an error: ProjectPath was emptied
    };

    // Loads the file at `path` (ShowState::ProjectPath is not consulted).
    Outcome load(const QString& path, Show& show) const;

    // Reads file content; `path` only names the file in errors.
    FileError read(const QByteArray& content, const QString& path, Show& show) const;

    // Reads a copy the program made of its own show, exactly as it was kept:
    // a manual show stays manual with its times, and the stored ShowChanged
    // holds. A failure leaves what was read and marks the show changed.
    FileError readAsStored(const QByteArray& content, const QString& path, Show& show) const;

    // Largest file accepted; a project file of a full show is far smaller.
    static constexpr qint64 MaxFileSize = 64 * 1024 * 1024;

private:
    StopLabels m_labels;
    QByteArray m_key;
};

} // namespace zyn
