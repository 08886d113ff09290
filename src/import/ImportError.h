#pragma once

#include <QString>

namespace zyn {

// What a line number of the import counts: the lines of a text file or the
// rows of a sheet. The user is told "line" or "row" accordingly.
enum class LineUnit { TextLine, SheetRow };

// Why a cue list could not be read (or read only in part), with the facts the
// user needs to find the fault: the file, the line or sheet row, what stood
// there. The front ends put it into words (ImportErrorText).
struct ImportError {
    enum class Kind {
        None,
        SpreadsheetMissing, // no spreadsheet engine in this build
        CannotOpen,         // the file does not exist or cannot be read
        EmptyFile,          // no bytes, or only empty lines
        NotText,            // a text file that holds binary data
        NotAWorkbook,       // a workbook file in no format the engine knows
        DamagedWorkbook,    // a workbook the engine cannot read
        ProjectFile,        // a project file of this program chosen as a text file
        TooFewFields,       // a text line with fewer than 12 fields; detail = the count
        BadTime,            // a time that is no clock time; detail = the text
    };

    Kind kind = Kind::None;
    QString path;
    int line = 0; // 1-based text line or sheet row; 0 when not tied to one
    QString detail;
    LineUnit unit = LineUnit::TextLine;

    bool ok() const { return kind == Kind::None; }
    explicit operator bool() const { return !ok(); }

    static ImportError at(Kind kind, const QString& path, int line = 0, QString detail = {},
                          LineUnit unit = LineUnit::TextLine) {
        return {kind, path, line, std::move(detail), unit};
    }
};

} // namespace zyn
