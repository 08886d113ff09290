#pragma once

#include <QStringList>

namespace zyn {

class CliContext;
class Show;

// zynctl check, and the same check ahead of every command that hands a show
// to the controller.
namespace CheckCommands {

int check(CliContext& context, const QStringList& words);

// Checks the show with the program folder's settings before it goes out:
// warnings on the error stream, and false after naming every error (the
// command then writes nothing).
bool preflight(CliContext& context, const Show& show, int* status);

} // namespace CheckCommands
} // namespace zyn
