#pragma once

#include <QString>
#include <vector>

namespace zyn {

// What the print dialog asks for: how many copies of which pages. All copies
// and pages form one print job.
struct PrintChoice {
    enum class Range { All, Current, Page };

    int copies = 1;
    Range range = Range::All;
    int page = 0; // for Range::Page

    // The dialog's fields: the copies text read as a number (nothing to
    // print when it is not a positive number), and the range tag "ALL",
    // "AKTUELL" or a page number.
    static PrintChoice fromDialog(const QString& copiesText, const QString& rangeTag);

    // The pages of one copy, in print order. A page beyond the report is
    // printed as its title block and caption line only; a page number below
    // 1 prints nothing.
    std::vector<int> pagesOfOneCopy(int pageCount, int currentPage) const;
};

} // namespace zyn
