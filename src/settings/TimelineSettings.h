#pragma once

#include "show/FileError.h"

#include <QString>

namespace zyn {

// How the editor's timeline pane was left: shown or hidden, and its height,
// kept in the companion settings file beside the check's settings.
struct TimelineSettings {
    static constexpr int DefaultHeight = 180;
    static constexpr int MinHeight = 40;
    static constexpr int MaxHeight = 4000;

    bool shown = true;
    int height = DefaultHeight; // pixels

    // A missing file or a damaged line gives the default.
    static TimelineSettings read(const QString& path);
    // Rewrites only the timeline's lines of the file.
    FileError save(const QString& path) const;

    friend bool operator==(const TimelineSettings&, const TimelineSettings&) = default;
};

} // namespace zyn
