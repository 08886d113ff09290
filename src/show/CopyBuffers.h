#pragma once

#include <QString>

namespace zyn {

// What the copy operations remember for the swap operations.
struct CopyBuffers {
    QString CueTimeText;    // CueCopyBuffer: time of the copied cue row
    QString CueDescription; // CueCopyBuffer: description of the copied cue row
    // Whether a cue row was copied at all: the copy of an empty row is empty
    // texts too, and applying it empties the description it lands on.
    bool CueCopied = false;
    QString IcCopyBuffer;
    QString StepperCopyBuffer;

    void clear() { *this = CopyBuffers{}; }
    friend bool operator==(const CopyBuffers&, const CopyBuffers&) = default;
};

} // namespace zyn
