#pragma once

#include "ImportRow.h"

namespace zyn {

class Show;

// What writing the preview into the show did.
struct CueWriteResult {
    int cues = 0;                 // cue rows written
    int channels = 0;             // channel cells assigned (a later row may overwrite one)
    bool cueLimitReached = false; // rows were left out at the 3201st cue: tell the user (text 197)
};

// sb_Write_Cues: replaces the show with the preview rows, as a new
// time-coded show without a file. The rows are taken in time order (rows with
// equal times keep their order); each gives a cue, except that with
// `mergeEqualTimes` a row whose time code equals the previous row's joins
// that cue: its description is appended after ", " and the result cut to 50
// characters. A row whose ChannelTarget assigns a channel puts the cue (and
// its level) into that IC cell. Writing stops at the cue after the last one.
CueWriteResult sb_Write_Cues(const QList<ImportRow>& rows, bool mergeEqualTimes, Show& show);

} // namespace zyn
