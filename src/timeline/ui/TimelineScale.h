#pragma once

#include <algorithm>
#include <cmath>

namespace zyn {

// Maps show time within a segment (hundredths of a second) to the pixels of
// the timeline and back. `first` is the time at the left edge.
struct TimelineScale {
    static constexpr double FinestZoom = 0.05;   // hundredths per pixel
    static constexpr double CoarsestZoom = 2000; // a whole day on a wide screen

    double first = 0.0;
    double perPixel = 10.0;

    double x(double centiseconds) const { return (centiseconds - first) / perPixel; }
    double centiseconds(double x) const { return first + x * perPixel; }

    // Zooms by `factor` (above 1: closer) keeping the time under `anchorX`
    // where it is.
    void zoomAt(double factor, double anchorX) {
        const double anchor = centiseconds(anchorX);
        perPixel = std::clamp(perPixel / factor, FinestZoom, CoarsestZoom);
        first = std::max(0.0, anchor - anchorX * perPixel);
    }
};

} // namespace zyn
