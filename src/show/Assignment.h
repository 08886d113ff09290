#pragma once

#include <QString>
#include <optional>

namespace zyn {

// How a channel or stepper cell is read. Cells are stored as they come (an
// old or hand-edited file may hold anything); every reader takes them apart
// by these rules rather than trusting their form.
//
//   ""        free channel
//   "12"      cue 12               "12-3"    cue 12, security level 3
//   "K 4"     controller key 4     "K 4-2"   key 4, security level 2
struct Assignment {
    enum class Kind { Empty, Cue, Key };

    Kind kind = Kind::Empty;
    // The cue or key number: the leading numeric value of the cell (after
    // the "K" for a key), so "12-3" gives 12 and "K 10" gives 10.
    double number = 0;
    // The numeric value after the first "-", when the cell has one.
    std::optional<double> level;

    static Assignment parse(const QString& cell);

    // "12", "12-3", "K 4", "K 4-2"
    static QString cueText(int cue, std::optional<int> level = std::nullopt);
    static QString keyText(int key, std::optional<int> level = std::nullopt);
};

} // namespace zyn
