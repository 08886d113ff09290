#pragma once

#include "ImportError.h"

#include <QList>
#include <QString>

namespace zyn {

// What the import may have to tell about a row before it is written.
enum class ImportNote {
    DescriptionReplaced, // characters a project file cannot hold were replaced
    ChannelOutOfRange,   // module above 200 or channel above 16: no channel assigned
    LevelRefused,        // a security level beyond what the controller stores: no channel assigned
};

// One row of the import preview: the time in the form hh:mm:ss:mmm and the
// other four columns as read. Module, channel and security are read as
// numbers only when the row is written.
//
// Invariant: the description can be stored in a project file. Characters
// that cannot are replaced when the row is made (a control character by a
// blank, a character outside the code page by "?"), and the row says so.
struct ImportRow {
    QString time;
    QString description;
    QString module;
    QString channel;
    QString security;
    bool descriptionReplaced = false;

    static ImportRow fromCells(QString time, QString description, QString module, QString channel,
                               QString security);

    QList<ImportNote> notes() const;

    friend bool operator==(const ImportRow&, const ImportRow&) = default;
};

// The rows a file gave, and the error that ended the reading early, if any:
// the rows before the error are kept.
struct ImportRows {
    QList<ImportRow> rows;
    ImportError error;
};

} // namespace zyn
