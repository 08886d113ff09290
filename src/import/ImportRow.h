#pragma once

#include "ImportError.h"

#include <QList>
#include <QString>

namespace zyn {

// What the import may have to tell about a row before it is written.
enum class ImportNote {
    DescriptionReplaced, // characters a project file cannot hold were replaced
    ChannelOutOfRange,   // module above 200 or channel above 16: no channel assigned
    LevelRefused,        // a level above what the controller stores: kept, not transferable
};

// One row of the import preview: the time in the form hh:mm:ss:mmm and the
// other four columns as read, and where in the file it stands. Module,
// channel and security are read as numbers only when the row is written.
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
    // The file's own line number or the sheet's row number, so the user can
    // find the row however many empty lines were passed over before it.
    int line = 0;
    LineUnit unit = LineUnit::TextLine;

    static ImportRow fromCells(QString time, QString description, QString module, QString channel,
                               QString security);

    QList<ImportNote> notes() const;

    // Rows are equal when the preview shows the same; where they came from
    // does not count.
    friend bool operator==(const ImportRow& a, const ImportRow& b) {
        return a.time == b.time && a.description == b.description && a.module == b.module &&
               a.channel == b.channel && a.security == b.security &&
               a.descriptionReplaced == b.descriptionReplaced;
    }
};

// The rows a file gave, and the error that ended the reading early, if any:
// the rows before the error are kept.
struct ImportRows {
    QList<ImportRow> rows;
    ImportError error;
    // Some time was read from a cell whose engine gives times only to the
    // whole second: its fraction is lost, and the user must be told.
    bool timesInWholeSeconds = false;
};

} // namespace zyn
