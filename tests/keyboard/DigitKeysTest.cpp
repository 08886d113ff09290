// The digit row of a real keyboard in the editor's grids, on layouts that put
// different characters on it.
#include "RealKeyboardTest.h"
#include "editor/ui/CueGridModel.h"
#include "editor/ui/InputBox.h"
#include "editor/ui/ShowGridView.h"

using namespace zyn;
using namespace zyn::test;

namespace {

class DigitKeys : public RealKeyboardTest {};

enum class Grid { Cues, Channels };

struct DigitKeyCase {
    const char* layout;
    Grid grid;         // the grid with the focus
    const char* chord; // the key of 7, by what the layout gives for it
    const char* text;  // the box's text after the key
    bool selected;     // whether that text is all selected (nothing was typed)
};

constexpr const char* EmptyTime = "00:00:00:00";

// Shift+7 gives "&" on a US layout and "/" on a German one; on a French one
// the key gives "è" unshifted and 7 only with Shift.
const DigitKeyCase DigitKeyCases[] = {
    {"us", Grid::Cues, "7", "7", false},
    {"us", Grid::Cues, "shift+7", EmptyTime, true},
    {"us", Grid::Cues, "ctrl+7", EmptyTime, true},
    {"us", Grid::Channels, "shift+7", "7", false},
    {"de", Grid::Cues, "7", "7", false},
    {"de", Grid::Cues, "shift+7", EmptyTime, true},
    {"de", Grid::Cues, "ctrl+7", EmptyTime, true},
    {"de", Grid::Channels, "shift+7", "7", false},
    {"fr", Grid::Cues, "egrave", "7", false},
    {"fr", Grid::Cues, "shift+7", EmptyTime, true},
    {"fr", Grid::Cues, "ctrl+egrave", EmptyTime, true},
    {"fr", Grid::Channels, "egrave", "7", false},
};

TEST_F(DigitKeys, TheDigitRowOpensTheInputBoxAlikeOnEveryLayout) {
    for (const DigitKeyCase& c : DigitKeyCases) {
        const bool cues = c.grid == Grid::Cues;
        SCOPED_TRACE(std::string(c.layout) + (cues ? " cues " : " channels ") + c.chord);
        ASSERT_TRUE(useLayout(QLatin1String(c.layout)));
        auto* grid = find<ShowGridView>(cues ? "MSHFlexGrid_Time" : "MSHFlexGrid_Slave");
        InputBox* box = find<InputBox>(cues ? "txt_Eingabe" : "txt_Eingabe_CUE");
        grid->setFocus();
        grid->setCurrentIndex(grid->model()->index(4, cues ? CueGridModel::TimeColumn : 2));

        EXPECT_TRUE(pressUntil(QLatin1String(c.chord), [&] { return box->isVisible(); }));
        EXPECT_EQ(box->text(), QLatin1String(c.text));
        EXPECT_EQ(box->selectedText(), c.selected ? QLatin1String(c.text) : QString());

        EXPECT_TRUE(pressUntil(QStringLiteral("Escape"), [&] { return !box->isVisible(); }));
    }
}

} // namespace
