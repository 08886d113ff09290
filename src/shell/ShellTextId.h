#pragma once

namespace zyn::ShellTextId {

// Texts of the start dialog, the main window and its commands.
enum : int {
    ApplyEntryQuestion = 1,
    NewQuestion = 2,
    OpenQuestion = 3,
    ExitQuestion = 4,
    FileMissing = 5,
    ImportQuestion = 6,
    SortBeforeTransferQuestion = 7,
    OkButton = 74,
    CancelButton = 75,
    WelcomeLabel = 147,
    ProgramLabel = 148,
    UrlLabel = 150,
    HintLabel = 151,
    OldProjectButton = 152,
    ManualShowButton = 154,
    NewShowButton = 155,
    Subtitle = 156,
    SpreadsheetMissing = 177,
    ReportOptionsTooltip = 350,
    AllFilesFilter = 219,
    ProjectFilter = 220,
    UndoMenu = 247,
    RedoMenu = 248,
    // The desktop program's "--help".
    HelpUsage = 500,
    HelpHomeOption = 501,
    HelpVersionOption = 502,
    HelpHelpOption = 503,
};

} // namespace zyn::ShellTextId
