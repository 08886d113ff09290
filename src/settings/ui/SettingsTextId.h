#pragma once

namespace zyn::SettingsTextId {

// Texts of the language, options, directory and about dialogs.
enum : int {
    EditButton = 24,
    OkButton = 74,
    CancelButton = 75,
    DeleteButton = 77,
    LanguageCaption = 123,
    LanguageExplanation = 124,
    LanguageExplanationMore = 125,
    AboutWarning = 126,
    AboutCaption = 127,
    AboutDescription = 128,
    AboutDisclaimer = 129,
    SystemInfoButton = 130,
    OptionsCaption = 131,
    PathsPage = 132,
    ProjectDirectoryEntry = 133,
    PathCaption = 134,
    DrivesLabel = 135,
    DirectoriesLabel = 136,
    PathLabel = 137,
    ColourPage = 138,
    ColourText = 139,
    InputFieldsText = 140,
    RestoreColourTip = 141,
    OriginalColourTip = 142,
    QuestionsPage = 143,
    InputQuestionCheck = 144,
    DeleteQuestionCheck = 145,
    SortQuestionCheck = 146,
    Subtitle = 156,
    CheckPage = 403,
    ModuleGapLabel = 404,
    ModuleGapRefused = 405,
};

} // namespace zyn::SettingsTextId
