#pragma once

#include <QString>

namespace zyn {

// The result of converting what the user typed into a time cell.
struct TimeEntryResult {
    bool error = false; // the text is not a time of day: nothing is to be stored
    QString timeText;   // the time code to store ("" for an emptied cell)

    friend bool operator==(const TimeEntryResult&, const TimeEntryResult&) = default;
};

// sb_Umwandlung_EingabeZeit: a typed time to a time code. Any of . , / * blank
// ; - # separates fields like ":". One field is read as hhmmsscc from the
// right ("1234" is 00:00:12:34); two to four fields are taken from the right
// as hundredths, seconds, minutes, hours; five or more give zero. Each field
// keeps its last two digits, and hours above 23 or minutes or seconds above 59
// are an error.
TimeEntryResult sb_Umwandlung_EingabeZeit(const QString& typed);

} // namespace zyn
