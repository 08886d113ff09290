#pragma once

#include <QString>
#include <limits>

namespace zyn {

// A font as the report asks for it; sizes in points.
struct ReportFont {
    QString name;
    double size = 9;
    bool bold = false;
    bool italic = false;
    bool underline = false;

    friend bool operator==(const ReportFont&, const ReportFont&) = default;
};

// What a report page is drawn on: the preview surface, a printer or a PDF
// file. Coordinates are millimetres from the top-left corner of the
// printable area; one drawing routine serves every target.
class DrawingTarget {
public:
    // For printText: the text may run as far right as it is long.
    static constexpr double NoClip = std::numeric_limits<double>::infinity();

    virtual ~DrawingTarget() = default;

    // Makes the page blank.
    virtual void clear() = 0;
    virtual void setFont(const ReportFont& font) = 0;
    // Width of the text and height of one line, in the current font.
    virtual double textWidth(const QString& text) const = 0;
    virtual double textHeight() const = 0;
    // The text with the top of its line at y, starting at x; nothing of it
    // is drawn right of clipRight.
    virtual void printText(double x, double y, const QString& text, double clipRight) = 0;
    virtual void drawLine(double x1, double y1, double x2, double y2) = 0;
    // The outline of the rectangle between two corners.
    virtual void drawRect(double x1, double y1, double x2, double y2) = 0;
};

// A target that takes a whole print job: pages one after another, then the
// end of the job.
class PrintTarget : public DrawingTarget {
public:
    // Ends the current page; the next drawing goes on a new one.
    virtual void newPage() = 0;
    // Ends the job; every page drawn so far is printed.
    virtual void endDoc() = 0;
};

} // namespace zyn
