#pragma once

#include "show/FileError.h"

#include <QString>
#include <QStringList>

namespace zyn {

// Settings beyond the eighteen lines of the configuration file, which older
// programs read line by line and so must keep its form. One "key=value" per
// line; unknown keys are passed over, not refused, so a newer program's file
// still loads.
struct CheckSettings {
    static constexpr const char* FileName = "ZYNK5.ini";

    // The show check's minimum gap between two firings of one module, in
    // milliseconds; 0 switches the rule off.
    int moduleGapMs = 0;
    // No show means a gap of more than a day between two firings of a module.
    static constexpr int MaxModuleGapMs = 24 * 60 * 60 * 1000;

    struct Loaded;
    // Never fails: a missing file gives the defaults, a damaged line its
    // default and one entry in `ignored` ("file:line").
    static Loaded read(const QString& path);
    FileError save(const QString& path) const;

    friend bool operator==(const CheckSettings&, const CheckSettings&) = default;
};

struct CheckSettings::Loaded {
    CheckSettings settings;
    bool found = false;
    QStringList ignored;
};

} // namespace zyn
