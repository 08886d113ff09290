#pragma once

#include <QString>

namespace zyn::test {

class SourceTree;

// The floors of the source tree, lowest first. A file includes only from its
// own floor or a lower one; the command-line tool stands beside the stack.
enum class Floor { Core, Platform, Document, Ui, Windows, Shell, App, Cli };

// The floor of a file, by where it lies: "<x>/ui" is windows, anything under
// platform/ is platform except the adapter interfaces directly in it (headers
// without an implementation beside them), and a top-level folder with no
// floor of its own is core.
Floor floorOf(const SourceTree& tree, const QString& path);

QString floorName(Floor floor);

// Why a file on one floor may not include the given file on another; empty
// when it may.
QString reachProblem(Floor from, const QString& target, Floor to);

} // namespace zyn::test
