#pragma once

#include "platform/FileDialogs.h"

#include <QFileInfo>
#include <QList>

namespace zyn::test {

// Hands out the files a test names, in order; an empty name means Cancel.
// Records the folder and filter each dialog was opened with.
class ScriptedFileDialogs : public FileDialogs {
public:
    // The next file "chosen", with the 1-based filter selected for it where
    // the dialog offers several.
    void choose(const QString& path, int filter = 1) { m_answers.append({path, filter}); }

    std::optional<QString> openFile(const QString& directory, const QString& filter) override {
        const std::optional<OpenChoice> chosen = next(directory, filter);
        return chosen ? std::optional<QString>(chosen->path) : std::nullopt;
    }
    std::optional<OpenChoice> openFileOfType(const QString& directory,
                                             const QString& filters) override {
        return next(directory, filters);
    }
    // Like the real dialog, a name without an ending gets the suffix.
    std::optional<QString> saveFile(const QString& directory, const QString& proposed,
                                    const QString& filter, const QString& suffix) override {
        lastProposed = proposed;
        std::optional<QString> chosen = openFile(directory, filter);
        if (chosen && !suffix.isEmpty() && QFileInfo(*chosen).suffix().isEmpty())
            *chosen += u'.' + suffix;
        return chosen;
    }

    QString lastDirectory;
    QString lastProposed; // the file name the last save dialog proposed
    QString lastFilter;
    int opened = 0;

private:
    std::optional<OpenChoice> next(const QString& directory, const QString& filter) {
        ++opened;
        lastDirectory = directory;
        lastFilter = filter;
        if (m_answers.isEmpty())
            return std::nullopt;
        const OpenChoice answer = m_answers.takeFirst();
        if (answer.path.isEmpty())
            return std::nullopt;
        return answer;
    }

    QList<OpenChoice> m_answers;
};

} // namespace zyn::test
