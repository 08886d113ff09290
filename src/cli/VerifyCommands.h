#pragma once

#include <QStringList>

namespace zyn {

class CliContext;

// zynctl plan and verify: what a project, a controller table or a card image
// makes the controller fire, and whether a medium holds the project's show.
namespace VerifyCommands {

int plan(CliContext& context, const QStringList& words);
int verify(CliContext& context, const QStringList& words);

} // namespace VerifyCommands
} // namespace zyn
