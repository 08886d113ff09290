#pragma once

namespace zyn {

// A cell of the show, for telling the user where something is.
struct CellPlace {
    enum class Field { None, CueTime, CueDescription, IcCell, StepperCell };

    Field field = Field::None;
    int row = 0;     // cue row, slave module or stepper output
    int channel = 0; // channel of an IC cell

    friend bool operator==(const CellPlace&, const CellPlace&) = default;
};

} // namespace zyn
