#pragma once

namespace zyn {

struct TableUnit;

// The delivering side of a controller table: takes the units one by one and
// answers whether the next one should follow. A stop is final: no later unit
// is handed out, so nothing is delivered after a failure.
class TableReceiver {
public:
    enum class Answer { GoOn, Stop };

    virtual ~TableReceiver() = default;
    virtual Answer take(const TableUnit& unit) = 0;
};

} // namespace zyn
