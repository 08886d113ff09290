#pragma once

#include <QString>
#include <optional>

namespace zyn {

// The open and save dialogs for files, behind an interface so that tests can
// name the file the user "chose". Nothing means the user cancelled.
class FileDialogs {
public:
    virtual ~FileDialogs() = default;

    virtual std::optional<QString> openFile(const QString& directory, const QString& filter) = 0;

    // An open dialog over several filters ("A;;B"), where the filter the user
    // picked says how the file is to be read.
    struct OpenChoice {
        QString path;
        int filter = 1; // 1-based number of the filter selected at the choice
    };
    virtual std::optional<OpenChoice> openFileOfType(const QString& directory,
                                                     const QString& filters) = 0;
    // A name typed without an ending gets `suffix` (no dot; none when empty)
    // before the dialog asks whether to replace an existing file, so the
    // question is about the file that will be written. The name returned is
    // final: the caller writes to it as it is.
    virtual std::optional<QString> saveFile(const QString& directory, const QString& proposed,
                                            const QString& filter, const QString& suffix) = 0;
};

} // namespace zyn
