#pragma once

#include "FileError.h"
#include "StopLabels.h"

#include <QByteArray>
#include <QString>

namespace zyn {

class Show;

// The one way both programs read and write project files: whatever belongs
// beside a project file is kept in step here, so that neither front end can
// save a show that the other would load differently.
class ProjectFiles {
public:
    ProjectFiles(StopLabels labels, QByteArray codecKey);

    struct Loaded {
        FileError error;
        // Not an error: the show's ProjectPath was emptied.
        bool fileMissing = false;
    };

    // Reads the project at `path` into the show in place.
    Loaded load(const QString& path, Show& show) const;
    // Writes the show to `path` atomically; the show's ProjectPath is not
    // consulted, so Save and Save As differ only in the path they pass.
    FileError save(Show& show, const QString& path) const;

private:
    StopLabels m_labels;
    QByteArray m_codecKey;
};

} // namespace zyn
