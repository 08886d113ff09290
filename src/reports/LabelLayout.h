#pragma once

namespace zyn {

// How the table of a report page is ruled and how its caption line looks.
// Every build starts from the default (sb_Label_Layout_Read).
struct LabelLayout {
    // 1 vertical lines only, 2 horizontal lines only, 3 both, 0 none.
    int GridMode = 3;
    bool HeaderBold = true;
    bool HeaderItalic = false;
    bool HeaderUnderline = false;

    bool verticalLines() const { return GridMode == 1 || GridMode == 3; }
    bool horizontalLines() const { return GridMode == 2 || GridMode == 3; }

    static LabelLayout sb_Label_Layout_Read() { return {}; }
};

} // namespace zyn
