#pragma once

#include <QStringList>

namespace zyn {

class CliContext;

// zynctl card-image and card-write: the chip-card image as a file, and the
// write of it onto a card through a PC/SC reader or an emulated card file.
namespace CardCommands {

int image(CliContext& context, const QStringList& words);
int write(CliContext& context, const QStringList& words);

} // namespace CardCommands
} // namespace zyn
