#include "ProjectFiles.h"

#include "ProjectReader.h"
#include "ProjectWriter.h"
#include "Show.h"
#include "soundtrack/SoundtrackFile.h"

namespace zyn {

ProjectFiles::ProjectFiles(StopLabels labels, QByteArray codecKey)
    : m_labels(std::move(labels)), m_codecKey(std::move(codecKey)) {}

ProjectFiles::Loaded ProjectFiles::load(const QString& path, Show& show) const {
    const ProjectReader::Outcome outcome = ProjectReader(m_labels, m_codecKey).load(path, show);
    Loaded loaded{outcome.error, outcome.fileMissing, {}, {}};
    if (outcome.error.ok() && !outcome.fileMissing) {
        const SoundtrackFile::Loaded companion = SoundtrackFile::load(path);
        loaded.soundtrack = companion.soundtrack;
        loaded.soundtrackError = companion.error;
    }
    return loaded;
}

FileError ProjectFiles::save(Show& show, const Soundtrack& soundtrack, const QString& path) const {
    if (const FileError error = ProjectWriter(m_labels, m_codecKey).save(show, path))
        return error;
    const FileError error = SoundtrackFile::save(path, soundtrack);
    if (error)
        show.state.ShowChanged = true;
    return error;
}

} // namespace zyn
