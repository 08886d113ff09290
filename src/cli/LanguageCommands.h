#pragma once

#include <QStringList>

namespace zyn {

class CliContext;

// zynctl lang compile | dump: language files and their translator's source.
namespace LanguageCommands {

int run(CliContext& context, const QStringList& words);

} // namespace LanguageCommands
} // namespace zyn
