#pragma once

#include "StopLabels.h"
#include "soundtrack/Soundtrack.h"

#include <QByteArray>
#include <QString>

namespace zyn {

class Show;

// The show as JSON, the interchange form of the command-line tool:
//
//   { "mode": 1, "sortPending": false,
//     "soundtrack": {"file": "music/finale.wav", "start": "00:00:10:00", "segment": 2},
//     "cues":     [ {"row": 3, "time": "00:00:05:00", "description": "Comet"} ],
//     "channels": [ {"slave": 1, "channel": 2, "cell": "3-2"} ] }
//
// Times are in the project file's form ("MAN", "TS #2", ...), so the JSON of
// a show does not depend on the language it was edited in. The soundtrack is
// there only when the show has one, its segment only when it is not 1; its
// file is written and read as given, the caller deciding what a relative
// path is relative to.
namespace ShowJson {

// Cues whose time or description is not empty, ascending; then every
// non-empty channel cell, module by module, channel by channel.
QByteArray write(const Show& show, const StopLabels& labels, const Soundtrack& soundtrack = {});

// Replaces the show, and the soundtrack when one is asked for, by the JSON's.
// Returns "" on success, otherwise one line saying what is wrong; the show is
// then left as a new empty show and the soundtrack empty.
QString read(const QByteArray& json, const StopLabels& labels, Show& show,
             Soundtrack* soundtrack = nullptr);

} // namespace ShowJson
} // namespace zyn
