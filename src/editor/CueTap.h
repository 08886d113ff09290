#pragma once

#include "EditResult.h"

namespace zyn {

class Show;

// Tap to cue: the time of the music heard at a key press becomes the time of
// the current cue, as if it had been typed into the cue's time cell, and the
// cue grid moves on to the next row for the next tap.
class CueTap {
public:
    // Writes `centiseconds` (segment time) as hh:mm:ss:cc into `row`.
    static EditResult write(Show& show, int row, int centiseconds);
};

} // namespace zyn
