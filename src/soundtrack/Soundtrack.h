#pragma once

#include <QString>

namespace zyn {

// The music a show is fired to: one audio file and the show time at which
// its first sample plays, counted within the segment it belongs to (a reset
// stop starts a segment whose times count from zero again).
struct Soundtrack {
    // Absolute path in memory; the companion file stores it relative to the
    // project when it lies below the project's folder.
    QString file;
    // Show time of the first sample, in hundredths of a second.
    int startCentiseconds = 0;
    // 1 for the first segment of the show.
    int segment = 1;

    bool isSet() const { return !file.isEmpty(); }
    friend bool operator==(const Soundtrack&, const Soundtrack&) = default;
};

} // namespace zyn
