#pragma once

#include <QStringList>

namespace zyn {

class CliContext;

// zynctl audio: what the program reads from a soundtrack file (length,
// waveform, beats), for scripts and for checking the decoding.
namespace AudioCommands {

inline constexpr const char* Usage =
    "audio info|beats FILE [--json]  a soundtrack's length and format, or its beats\n"
    "  audio peaks FILE --columns N [--json]\n"
    "                                 its waveform as N columns of minimum and maximum";

int run(CliContext& context, const QStringList& words);

} // namespace AudioCommands
} // namespace zyn
