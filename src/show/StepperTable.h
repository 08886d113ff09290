#pragma once

#include "ShowLimits.h"

#include <QString>
#include <array>

namespace zyn {

// One row of StepperCount cue assignments. With StepperCount 0 it has no
// cells; it exists so that the file section and the commands keep their form.
class StepperTable {
public:
    static constexpr bool isValidCell(int i) { return i >= 1 && i <= StepperCount; }

    QString& cell(int i);
    const QString& cell(int i) const;

    void clear();

    friend bool operator==(const StepperTable&, const StepperTable&) = default;

private:
    std::array<QString, StepperCount> m_cells;
};

} // namespace zyn
