#pragma once

#include <QStringList>

namespace zyn {

class CliContext;

// zynctl sort: the editor's operations for batch use.
namespace EditCommands {

// Sorts the cues and renumbers the channels without asking, with the stop
// labels of the configured language; rewrites the project in place
// (atomically) or writes it to the file after -o.
int sort(CliContext& context, const QStringList& words);

} // namespace EditCommands
} // namespace zyn
