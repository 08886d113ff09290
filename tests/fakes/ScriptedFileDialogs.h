#pragma once

#include "platform/FileDialogs.h"

#include <QStringList>

namespace zyn::test {

// Hands out the files a test names, in order; an empty name means Cancel.
// Records the folder and filter each dialog was opened with.
class ScriptedFileDialogs : public FileDialogs {
public:
    void choose(const QString& path) { m_answers.append(path); }

    std::optional<QString> openFile(const QString& directory, const QString& filter) override {
        return next(directory, filter);
    }
    std::optional<QString> saveFile(const QString& directory, const QString&,
                                    const QString& filter) override {
        return next(directory, filter);
    }

    QString lastDirectory;
    QString lastFilter;
    int opened = 0;

private:
    std::optional<QString> next(const QString& directory, const QString& filter) {
        ++opened;
        lastDirectory = directory;
        lastFilter = filter;
        if (m_answers.isEmpty() || m_answers.first().isEmpty()) {
            if (!m_answers.isEmpty())
                m_answers.removeFirst();
            return std::nullopt;
        }
        return m_answers.takeFirst();
    }

    QStringList m_answers;
};

} // namespace zyn::test
