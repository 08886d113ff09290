#pragma once

#include "FiringPlan.h"

#include <QByteArray>
#include <QStringList>

namespace zyn {

// A plan for people and programs at the firing site:
//   {"source": "project"|"table"|"card",
//    "cues": [{"cue": N, "time": "hh:mm:ss:cc"|"none"|..., "channels":
//              [{"slave": S, "channel": C, "level": L}]}],
//    "keys": [{"key": K, "channels": [...]}],
//    "checksum": "ok"|"bad"}            (tables only)
// listing only cues that say something and keys that fire channels.
namespace PlanJson {

QByteArray write(const FiringPlan& plan);

// The same as lines: "cue 12 00:01:02:03: slave 3 channel 5 level 7, ...".
QStringList lines(const FiringPlan& plan);

} // namespace PlanJson
} // namespace zyn
