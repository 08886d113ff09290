#pragma once

#include "CheckFinding.h"
#include "show/StopLabels.h"

#include <vector>

namespace zyn {

class Show;

struct CheckOptions {
    // A module that fires twice within this many milliseconds in one segment
    // is named; 0 leaves the rule off.
    int moduleGapMs = 0;
};

// The pre-flight check of a show: every place where the controller would get
// something other than what the show seems to say. A pure function of the
// show, so the editor, the transfers and the command-line tool all name the
// same places. Cells are read by the table builder's own reader, so what the
// check says fires is exactly what the controller table lists. Errors come
// first; an error means the table cannot be built at all.
namespace ShowCheck {

std::vector<CheckFinding> run(const Show& show, const StopLabels& labels,
                              const CheckOptions& options);

int errorCount(const std::vector<CheckFinding>& findings);

// A channel the check takes to fire: with cue `cue` or controller key `key`.
struct Firing {
    int cue = 0;
    int key = 0;
    int slave = 0;
    int channel = 0;
};
// Every firing channel, slave by slave, channel by channel: the view of the
// cells the channel rules are judged on.
std::vector<Firing> firings(const Show& show);

} // namespace ShowCheck
} // namespace zyn
