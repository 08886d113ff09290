#pragma once

#include "show/StepperTable.h"

#include <algorithm>

namespace zyn {

// A selection in the stepper table: the current cell and the other end of
// the selected run of cells (1..StepperCount). With no stepper outputs no
// selection is valid, so every stepper operation does nothing.
struct StepperSelection {
    int current = 1;
    int other = 1;

    static StepperSelection single(int cell) { return {cell, cell}; }

    int first() const { return std::min(current, other); }
    int last() const { return std::max(current, other); }
    int cellCount() const { return last() - first() + 1; }
    bool isValid() const {
        return StepperTable::isValidCell(current) && StepperTable::isValidCell(other);
    }
};

} // namespace zyn
