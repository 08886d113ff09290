#pragma once

#include "CueWriter.h"
#include "ImportPreview.h"
#include "WorkbookCueList.h"
#include "platform/SpreadsheetEngine.h"

namespace zyn {

// FileKind: the kind of cue list chosen in the open dialog.
enum class FileKind : qint16 { Workbook = 1, TextFile = 2 };

// The import dialog's work without the dialog: choose a file, read it into
// the preview (as often as the user likes), write the preview into the show.
// Reading never touches the show; only write() replaces it, so a file that
// cannot be read leaves the show as it was.
class CueListImport {
public:
    explicit CueListImport(const SpreadsheetEngine& engine) : m_engine(engine) {}

    // Chooses the file. A workbook is opened for its header row (the column
    // choosers' entries); a text file whose first line shows it to be a
    // project file is refused (text 181) and cannot be imported.
    ImportError open(const QString& path, FileKind kind);

    const QString& path() const { return m_path; }
    FileKind kind() const { return m_kind; }
    // Whether IMPORT may run: a file was chosen and not refused.
    bool canImport() const { return !m_path.isEmpty() && !m_refused; }
    const QStringList& headers() const { return m_headers.texts; }
    int HeaderColumns() const { return m_headers.columns; }

    // sb_Daten_importieren: reads the chosen file into the preview. Workbook
    // rows are added after the rows already there; a text file replaces
    // them. The rows before an error are kept.
    ImportError importRows(bool fixedLayout, const ColumnChoice& columns);
    // Whether the last importRows() read times that the workbook engine gives
    // only to the whole second (.xls): their hundredths are lost, and the
    // front end must say so every time.
    bool timesInWholeSeconds() const { return m_timesInWholeSeconds; }

    ImportPreview& preview() { return m_preview; }
    const ImportPreview& preview() const { return m_preview; }

    // sb_Write_Cues with the preview's rows.
    CueWriteResult write(bool mergeEqualTimes, Show& show) const {
        return sb_Write_Cues(m_preview.rows(), mergeEqualTimes, show);
    }

private:
    ImportError openWorkbook();
    ImportError openTextFile();
    ImportError importWorkbook(bool fixedLayout, const ColumnChoice& columns);
    ImportError workbookError(const WorkbookError& error) const;

    const SpreadsheetEngine& m_engine;
    QString m_path;
    FileKind m_kind = FileKind::Workbook;
    bool m_refused = false; // a project file chosen as a text file
    WorkbookCueList::Headers m_headers;
    ImportPreview m_preview;
    bool m_timesInWholeSeconds = false;
};

} // namespace zyn
