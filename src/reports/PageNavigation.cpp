#include "PageNavigation.h"

#include <algorithm>

namespace zyn::PageNavigation {

int turn(const QString& code, int currentPage, int pageCount) {
    const int last = std::max(1, pageCount);
    int page = currentPage;
    if (code == u"REPORT_SEITESTART")
        page = 1;
    else if (code == u"REPORT_SEITEVOR")
        page = currentPage - 1;
    else if (code == u"REPORT_SEITEWEITER")
        page = currentPage + 1;
    else if (code == u"REPORT_ENDE")
        page = last;
    return std::clamp(page, 1, last);
}

Buttons buttons(int currentPage, int pageCount) {
    const bool back = currentPage > 1;
    const bool on = currentPage < pageCount;
    return {back, back, on, on};
}

} // namespace zyn::PageNavigation
