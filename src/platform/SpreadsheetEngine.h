#pragma once

#include <QString>
#include <memory>

namespace zyn {

// Why a workbook could not be opened.
struct WorkbookError {
    enum class Kind {
        None,
        Unavailable,  // no spreadsheet engine is built into this program
        CannotOpen,   // the file does not exist or cannot be read
        Empty,        // the file has no bytes at all
        NotAWorkbook, // the bytes are of no workbook format the engine knows
        Damaged,      // a workbook format, but the engine cannot read it
    };

    Kind kind = Kind::None;
    QString detail; // the engine's own reason, when it gives one

    bool ok() const { return kind == Kind::None; }
};

// An opened workbook as the import reads it: the values of its first sheet as
// text, addressed by A1-style cell names. Reading never fails: a cell that is
// empty, absent or beyond the sheet gives "".
class Workbook {
public:
    virtual ~Workbook() = default;

    // "A1", "B10", "AA3": column letters, then the 1-based row number.
    virtual QString cellText(QStringView cellName) const = 0;

    // Whether the cell holds a time or date that the engine could give only
    // to the whole second, so that its text has lost the fraction.
    virtual bool timeInWholeSeconds(QStringView cellName) const {
        Q_UNUSED(cellName);
        return false;
    }
};

// The spreadsheet engine behind the import. The import asks it for a workbook
// each time it reads one and lets it go afterwards, so a file that changed
// in between is read afresh.
class SpreadsheetEngine {
public:
    struct Opened {
        std::unique_ptr<Workbook> workbook; // null exactly when error is set
        WorkbookError error;
    };

    virtual ~SpreadsheetEngine() = default;

    // SpreadsheetAvailable: whether this program can read workbooks at all.
    virtual bool available() const = 0;
    virtual Opened open(const QString& path) const = 0;
};

} // namespace zyn
