#pragma once

#include <QStringList>

namespace zyn {

class CliContext;

// zynctl new, dump and build: project files and the show JSON.
namespace ShowCommands {

int newShow(CliContext& context, const QStringList& words);
int dump(CliContext& context, const QStringList& words);
int build(CliContext& context, const QStringList& words);

} // namespace ShowCommands
} // namespace zyn
