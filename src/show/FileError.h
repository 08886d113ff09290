#pragma once

#include "CellPlace.h"

#include <QString>

namespace zyn {

// What went wrong with a file, as the user is told: an error number in the
// tradition of the program's run-time errors and the facts of the case.
// The front ends turn it into a sentence of the current language.
struct FileError {
    enum class Kind {
        None,
        CannotOpen,    // the file cannot be opened for reading
        CannotWrite,   // the file could not be written; the old file is kept
        Truncated,     // the file ends before all of its values were read
        CountTooLarge, // a count is larger than the table it fills
        OutOfRange,    // a number does not fit its type
        WrongType,     // a value is not of the type its place needs
        Unstorable,    // a text holds a character the file cannot store
        NotAProject,   // the file holds no project header at all
    };

    Kind kind = Kind::None;
    int number = 0;  // 0 when there is no error
    QString path;    // the file concerned
    int line = 0;    // 1-based line of the file, 0 when not tied to a line
    CellPlace place; // the cell concerned (Unstorable)
    QString detail;  // the system's own reason, when there is one

    bool ok() const { return kind == Kind::None; }
    explicit operator bool() const { return !ok(); }

    static FileError none() { return {}; }
    static FileError at(Kind kind, const QString& path, int line = 0);
};

} // namespace zyn
