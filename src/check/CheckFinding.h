#pragma once

#include <QString>

namespace zyn {

// One mistake the show check found, with the place the user must look at.
// A place field is 0 when the rule does not name it.
struct CheckFinding {
    enum class Severity { Error, Warning, Note };

    Severity severity = Severity::Warning;
    // One of the ids of CheckRule; stable, so scripts can match on it.
    QString rule;
    int cue = 0;
    int key = 0;
    int slave = 0;
    int channel = 0;
    // What the message quotes: the cell as written, or a count.
    QString cell;
    int count = 0;

    bool isError() const { return severity == Severity::Error; }

    friend bool operator==(const CheckFinding&, const CheckFinding&) = default;
};

} // namespace zyn
