#pragma once

namespace zyn::EditorTextId {

// Texts of the editor window and its input boxes.
enum : int {
    ApplyEntryQuestion = 1,
    InvalidTime = 8,
    SortProgress = 121,
    CharacterNotStorable = 245,
};

} // namespace zyn::EditorTextId
