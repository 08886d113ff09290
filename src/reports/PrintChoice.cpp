#include "PrintChoice.h"

#include "show/NumericText.h"

#include <algorithm>

namespace zyn {

namespace {

// The dialog's numbers are 16-bit; a number beyond that prints nothing
// instead of flooding the printer.
int dialogNumber(const QString& text) {
    return NumericText::toInt16(NumericText::leadingValue(text)).value_or(0);
}

} // namespace

PrintChoice PrintChoice::fromDialog(const QString& copiesText, const QString& rangeTag) {
    PrintChoice choice;
    choice.copies = std::max(0, dialogNumber(copiesText));
    if (rangeTag == u"ALL") {
        choice.range = Range::All;
    } else if (rangeTag == u"AKTUELL") {
        choice.range = Range::Current;
    } else {
        choice.range = Range::Page;
        choice.page = dialogNumber(rangeTag);
    }
    return choice;
}

std::vector<int> PrintChoice::pagesOfOneCopy(int pageCount, int currentPage) const {
    switch (range) {
    case Range::All: {
        std::vector<int> pages;
        for (int p = 1; p <= pageCount; ++p)
            pages.push_back(p);
        return pages;
    }
    case Range::Current:
        return {currentPage};
    case Range::Page:
        // A page field that holds no page number prints nothing rather
        // than an empty sheet labelled page 0.
        if (page < 1)
            return {};
        return {page};
    }
    return {};
}

} // namespace zyn
