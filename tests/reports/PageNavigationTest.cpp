// Paging through a report: the page stays within the report whatever the
// command, and the buttons offer only the ways that lead to another page.
#include "reports/PageNavigation.h"

#include "fakes/QtPrinters.h"

#include <gtest/gtest.h>

namespace zyn {
namespace {

TEST(ReportPageTurns, EveryCommandLandsOnAPageTheReportHas) {
    const struct {
        const char* code;
        int current;
        int pages;
        int expected;
    } cases[] = {
        {"REPORT_SEITESTART", 3, 5, 1},
        {"REPORT_SEITEVOR", 3, 5, 2},
        {"REPORT_SEITEWEITER", 3, 5, 4},
        {"REPORT_ENDE", 3, 5, 5},
        {"REPORT_SEITEVOR", 1, 5, 1},
        {"REPORT_SEITEWEITER", 5, 5, 5},
        {"REPORT_SEITEWEITER", 1, 1, 1},
        {"REPORT_ENDE", 1, 1, 1},
        {"REPORT_OPTIONEN", 4, 5, 4},
        {"REPORT_ENDE", 1, 0, 1},
        // A page left over from a longer report before a rebuild.
        {"REPORT_SEITEVOR", 9, 3, 3},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(std::string(c.code) + " on " + std::to_string(c.current) + " of " +
                     std::to_string(c.pages));
        EXPECT_EQ(PageNavigation::turn(QLatin1String(c.code), c.current, c.pages), c.expected);
    }
}

} // namespace
} // namespace zyn
