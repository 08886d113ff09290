#include "FileError.h"

namespace zyn {

namespace {

int numberOf(FileError::Kind kind) {
    switch (kind) {
    case FileError::Kind::None:
        return 0;
    case FileError::Kind::CannotOpen:
        return 75; // path/file access error
    case FileError::Kind::CannotWrite:
        return 57; // device I/O error
    case FileError::Kind::Truncated:
        return 62; // input past end of file
    case FileError::Kind::CountTooLarge:
        return 9; // subscript out of range
    case FileError::Kind::OutOfRange:
        return 6; // overflow
    case FileError::Kind::WrongType:
        return 13; // type mismatch
    case FileError::Kind::Unstorable:
        return 5; // invalid argument
    case FileError::Kind::NotAProject:
        return 13; // type mismatch
    }
    return 0;
}

} // namespace

FileError FileError::at(Kind kind, const QString& path, int line) {
    FileError error;
    error.kind = kind;
    error.number = numberOf(kind);
    error.path = path;
    error.line = line;
    return error;
}

} // namespace zyn
