#pragma once

#include <QString>

namespace zyn {

// How wide and how high the table text of a report prints, in millimetres.
// The report pool pages and wraps by these figures; the drawing side answers
// them from its fonts, so the core needs no font library.
class TextMeasurer {
public:
    virtual ~TextMeasurer() = default;

    // Width of the text in the regular table font.
    virtual double textWidth(const QString& text) const = 0;
    // Height of one line of the regular table font.
    virtual double lineHeight() const = 0;
};

} // namespace zyn
