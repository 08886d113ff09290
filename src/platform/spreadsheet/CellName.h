#pragma once

#include <QStringView>
#include <optional>

namespace zyn {

// A cell of a sheet by 0-based row and column, as the workbook libraries
// count them.
struct CellPosition {
    int row = 0;
    int column = 0;

    friend bool operator==(const CellPosition&, const CellPosition&) = default;
};

// A1-style cell names: one to three column letters (A to XFD, any case)
// followed by the 1-based row number (1 to 1048576), nothing else.
namespace CellName {

inline constexpr int MaxRows = 1048576;
inline constexpr int MaxColumns = 16384;

std::optional<CellPosition> parse(QStringView name);

} // namespace CellName
} // namespace zyn
