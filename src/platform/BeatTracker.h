#pragma once

#include "soundtrack/BeatGrid.h"
#include "soundtrack/DecodedAudio.h"

namespace zyn {

// Finds the tempo and the beats of decoded audio. Blocking: run it on a
// worker.
class BeatTracker {
public:
    virtual ~BeatTracker() = default;
    virtual BeatGrid track(const DecodedAudio& audio) const = 0;
};

} // namespace zyn
