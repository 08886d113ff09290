#pragma once

#include "IcSelection.h"

namespace zyn {

// A run of cue rows, 1-based; empty when first is 0.
struct RowSpan {
    int first = 0;
    int last = 0;

    bool isEmpty() const { return first == 0; }
    friend bool operator==(const RowSpan&, const RowSpan&) = default;
};

// The swap command a copy makes available.
enum class SwapCommand { None, Cue, Ic, Stepper };

// What an editing operation tells the window that started it: what to
// redraw, where the current cell goes and which command becomes enabled.
struct EditResult {
    // The tables changed: the operation is worth one undo step.
    bool changed = false;
    // Rows moved or cells all over the tables changed: redraw everything.
    bool everything = false;
    RowSpan cueRows;
    IcArea icCells;
    bool stepperCells = false;
    // The cue grid's new current row; 0 keeps it where it is.
    int currentRow = 0;
    SwapCommand enableSwap = SwapCommand::None;
    // Insert cue: the cue input box opens on the new row (currentRow).
    bool openCueInput = false;
    // F10 moves on to the next cell, as the Tab key does.
    bool moveToNextCell = false;
};

} // namespace zyn
