#pragma once

#include "platform/BeatTracker.h"

namespace zyn {

// Beats and tempo through aubio's tempo tracker, run over the decoded
// samples mixed to one channel.
class AubioBeatTracker : public BeatTracker {
public:
    BeatGrid track(const DecodedAudio& audio) const override;
};

} // namespace zyn
