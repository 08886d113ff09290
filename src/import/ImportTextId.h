#pragma once

namespace zyn::ImportTextId {

// Numbers of the language texts of the cue-list import.
enum : int {
    SpreadsheetMissing = 177,
    WindowTitle = 178,
    OpenTooltip = 179,
    FileCaption = 180,
    ProjectFileRefused = 181,
    ImportTooltip = 182,
    WriteTooltip = 183,
    DeleteTooltip = 184,
    ClearTooltip = 185,
    OptionsCaption = 186,
    HeaderTime = 187,
    HeaderDescription = 188,
    HeaderModule = 189,
    HeaderChannel = 190,
    HeaderSecurity = 191,
    FixedLayoutCaption = 192,
    TimeMergeCaption = 193,
    StatusOpening = 194,
    StatusImporting = 195,
    StatusWriting = 196,
    CueLimitReached = 197,
    WorkbookFilter = 222,
    TextFileFilter = 223,
    // Errors: each is followed by where it happened; 274 and 276 end in a
    // colon and are followed by what the line held.
    ErrorEmptyFile = 270,
    ErrorNotText = 271,
    ErrorNotAWorkbook = 272,
    ErrorDamagedWorkbook = 273,
    ErrorTooFewFields = 274,
    ErrorTimeMissing = 275,
    ErrorBadTime = 276,
    // Row notes: 278 and 340 follow the row's values and a colon.
    NoteDescriptionReplaced = 277,
    NoteChannelOutOfRange = 278,
    NoteLevelKept = 340,
    // "row" for a sheet row, as TextId::WordLine ("line") for a text line.
    WordRow = 341,
    NoteXlsWholeSeconds = 342,
};

} // namespace zyn::ImportTextId
