#pragma once

#include "StopLabels.h"

#include <QByteArray>
#include <QString>

namespace zyn {

class Show;

// The show as JSON, the interchange form of the command-line tool:
//
//   { "mode": 1, "sortPending": false,
//     "cues":     [ {"row": 3, "time": "00:00:05:00", "description": "Comet"} ],
//     "channels": [ {"slave": 1, "channel": 2, "cell": "3-2"} ] }
//
// Times are in the project file's form ("MAN", "TS #2", ...), so the JSON of
// a show does not depend on the language it was edited in.
namespace ShowJson {

// Cues whose time or description is not empty, ascending; then every
// non-empty channel cell, module by module, channel by channel.
QByteArray write(const Show& show, const StopLabels& labels);

// Replaces the show by the JSON's. Returns "" on success, otherwise one line
// saying what is wrong; the show is then left as a new empty show.
QString read(const QByteArray& json, const StopLabels& labels, Show& show);

} // namespace ShowJson
} // namespace zyn
