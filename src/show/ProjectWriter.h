#pragma once

#include "FileError.h"
#include "StopLabels.h"

#include <QByteArray>

namespace zyn {

class Show;

// Writes a show as a project file of the newest generation: the state line,
// then every cue, channel and stepper cell as a scrambled field, CR LF lines.
class ProjectWriter {
public:
    ProjectWriter(StopLabels labels, QByteArray key);

    // The file's bytes. Refuses (Unstorable, naming the first such cell) a
    // show holding a text that a project file cannot store, rather than
    // writing a file that would not read back as it was.
    FileError serialize(const Show& show, QByteArray* bytes) const;

    // Writes the file atomically; on success ShowChanged is cleared, on
    // failure the previous file and the show's state are left as they were.
    FileError save(Show& show, const QString& path) const;

private:
    StopLabels m_labels;
    QByteArray m_key;
};

} // namespace zyn
