#pragma once

#include <QStringList>

namespace zyn {

class CliContext;

// zynctl table and transfer: the controller table as a file (the bytes the
// drive export writes) and over the serial line to the controller.
namespace TransferCommands {

int table(CliContext& context, const QStringList& words);
int transfer(CliContext& context, const QStringList& words);

} // namespace TransferCommands
} // namespace zyn
