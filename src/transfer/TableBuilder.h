#pragma once

#include "ControllerTable.h"
#include "TableRefusal.h"
#include "show/StopLabels.h"

#include <vector>

namespace zyn {

class Show;

// TabelleÜbertragen: builds the ControllerTable from the cue times, the IC
// table and the show mode. Rows go out in row order 1 to 3200 (no sort), the
// stepper table is never read, and the show is not changed. Serial link and
// drive file deliver the very same units, so the bytes are identical on both
// paths.
class TableBuilder {
public:
    struct Result {
        ControllerTable table;
        // Every reason the show cannot be sent, in the order of
        // ChannelLists::collect; the table is then empty.
        std::vector<TableRefusal> refusals;

        bool ok() const { return refusals.empty(); }
    };

    // `labels` are the stop labels the cue table holds (the current
    // language's, or the file form for a show read by the command-line tool).
    explicit TableBuilder(StopLabels labels) : m_labels(std::move(labels)) {}

    Result build(const Show& show) const;

private:
    StopLabels m_labels;
};

} // namespace zyn
