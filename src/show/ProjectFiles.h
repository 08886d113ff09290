#pragma once

#include "FileError.h"
#include "StopLabels.h"
#include "soundtrack/Soundtrack.h"

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
        // Read only beside a project that loaded. A soundtrack file that
        // cannot be read leaves the show without music but still loaded.
        Soundtrack soundtrack;
        FileError soundtrackError;
    };

    // Reads the project at `path` into the show in place, and its soundtrack.
    Loaded load(const QString& path, Show& show) const;
    // Writes the show to `path` atomically, then its soundtrack beside it
    // (none removes an old one); the show's ProjectPath is not consulted, so
    // Save and Save As differ only in the path they pass. A soundtrack that
    // could not be written leaves the show changed.
    FileError save(Show& show, const Soundtrack& soundtrack, const QString& path) const;

private:
    StopLabels m_labels;
    QByteArray m_codecKey;
};

} // namespace zyn
