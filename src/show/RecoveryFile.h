#pragma once

#include "FileError.h"
#include "StopLabels.h"

#include <QByteArray>
#include <QDateTime>
#include <QString>
#include <memory>
#include <optional>

class QLockFile;

namespace zyn {

class Show;

// The recovery copy of a show with unsaved changes, "ZYNRecovery.zyn" in the
// program directory: after an abnormal end the next start offers it, so that
// a crash costs at most the edits since the copy was last written.
//
// The copy is a project file of the newest generation (any open command reads
// it) followed by a "[RECOVERY]" section that names the show's own file and
// when the copy was written; the project reader passes over that section.
// It is written atomically, so it is always a whole show.
//
// One running program keeps the copy of a program directory: the one that
// claimed its lock. A second program started over the same folder neither
// writes, offers nor removes the copy, so it can never take the copy of a
// show that is still open elsewhere. The lock of a program that died is
// stale and is taken over by the next start.
class RecoveryFile {
public:
    static constexpr QLatin1StringView FileName{"ZYNRecovery.zyn"};
    static constexpr QLatin1StringView DamagedFileName{"ZYNRecovery-damaged.zyn"};
    static constexpr QLatin1StringView LockFileName{"ZYNRecovery.lock"};

    // What a copy says about itself.
    struct Details {
        QString projectPath; // the show's own file; "" for a show that had none
        QDateTime written;   // invalid when the copy does not say
    };

    RecoveryFile(const QString& programDirectory, QByteArray key);
    ~RecoveryFile();
    RecoveryFile(const RecoveryFile&) = delete;
    RecoveryFile& operator=(const RecoveryFile&) = delete;

    // Takes the lock of the program directory; false when another running
    // program holds it (or the folder cannot hold a lock).
    bool claim();
    bool claimed() const;

    QString path() const;

    // The copy an earlier run left; nothing when there is none or the lock
    // is not ours.
    std::optional<Details> find() const;

    // Brings the copy in step with the show: written while the show has
    // unsaved changes, removed otherwise. `projectPath` is the file the show
    // belongs to. A show already on disk exactly as it is now is not written
    // again.
    FileError update(const Show& show, const QString& projectPath, const StopLabels& labels,
                     const QDateTime& now);

    // Reads the copy into the show as it was kept, as a show without a file
    // of its own (ShowChanged set, ProjectPath empty, cue numbers = rows);
    // `details` tells which file it belonged to.
    FileError restore(Show& show, const StopLabels& labels, Details* details) const;

    void remove();
    // Moves a copy that cannot be read aside, so that it is neither offered
    // again nor overwritten; the path it now has, "" when it could not move.
    QString setAside();

    static QByteArray trailer(const QString& projectPath, const QDateTime& written);
    static Details parseTrailer(const QByteArray& content);

private:
    QString m_directory;
    QByteArray m_key;
    std::unique_ptr<QLockFile> m_lock;
    QByteArray m_lastWritten; // the show's bytes and path as last written
};

} // namespace zyn
