#pragma once

#include <QStringList>

namespace zyn {

class CliContext;

// zynctl import: a project file from a cue list, with the reader and writer
// of the import dialog.
namespace ImportCommands {

inline constexpr const char* Usage =
    "import CUELIST -o PROJECT [--merge] [--fixed]\n"
    "         [--time COL] [--desc COL] [--module COL] [--channel COL] [--security COL]\n"
    "                                 a show from a cue list (.xlsx, .ods, .xls or text);\n"
    "                                 COL is a header text or a column letter";

int run(CliContext& context, const QStringList& words);

} // namespace ImportCommands
} // namespace zyn
