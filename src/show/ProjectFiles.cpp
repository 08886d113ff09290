#include "ProjectFiles.h"

#include "ProjectReader.h"
#include "ProjectWriter.h"

namespace zyn {

ProjectFiles::ProjectFiles(StopLabels labels, QByteArray codecKey)
    : m_labels(std::move(labels)), m_codecKey(std::move(codecKey)) {}

ProjectFiles::Loaded ProjectFiles::load(const QString& path, Show& show) const {
    const ProjectReader::Outcome outcome = ProjectReader(m_labels, m_codecKey).load(path, show);
    return {outcome.error, outcome.fileMissing};
}

FileError ProjectFiles::save(Show& show, const QString& path) const {
    return ProjectWriter(m_labels, m_codecKey).save(show, path);
}

} // namespace zyn
