#pragma once

#include <QString>

namespace zyn {

// The page a report window shows and the paging buttons that go with it.
// The page never leaves 1..pageCount, so no command can show a page the
// report does not have.
namespace PageNavigation {

// Which of the four paging buttons can be used.
struct Buttons {
    bool first = false;
    bool previous = false;
    bool next = false;
    bool last = false;

    friend bool operator==(const Buttons&, const Buttons&) = default;
};

// The page after one of the paging commands "REPORT_SEITESTART",
// "REPORT_SEITEVOR", "REPORT_SEITEWEITER" and "REPORT_ENDE"; any other code
// keeps the page.
int turn(const QString& code, int currentPage, int pageCount);

// sb_Set_Werkzeugleite_Seiten: back only from a page after the first, on
// only to a page before the last; a report of one page offers neither.
Buttons buttons(int currentPage, int pageCount);

} // namespace PageNavigation
} // namespace zyn
