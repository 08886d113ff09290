#pragma once

#include <QByteArray>

namespace zyn {

// One piece of the controller table as the delivering side receives it. The
// serial link sends each unit in one write; the flags say what follows it.
struct TableUnit {
    QByteArray bytes;
    // The serial link waits for the controller's 0x06 before the next unit.
    bool acknowledged = false;
    // The unit advances the progress display by one step once delivered.
    bool progressStep = false;

    friend bool operator==(const TableUnit&, const TableUnit&) = default;
};

} // namespace zyn
