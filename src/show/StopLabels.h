#pragma once

#include <QString>

namespace zyn {

// The three texts that mark a stop in TimeText. In the table they are the
// current language's labels; in project files and JSON the fixed keywords.
// The timed labels are recognised by prefix, the stop label by equality.
struct StopLabels {
    QString stop;      // CueStop
    QString timedStop; // CueStopTime, followed by " #" and a running number
    QString resetStop; // CueStopTimeReset, followed by " #" and a running number

    // The keywords project files store: "MAN", "TS", "TR".
    static StopLabels fileForm();

    friend bool operator==(const StopLabels&, const StopLabels&) = default;
};

// The time text with its stop label exchanged from one set of labels to the
// other: equal to from.stop gives to.stop; beginning with from.timedStop or
// from.resetStop gives the matching label of `to` with the rest kept; any
// other text is returned unchanged. A label is only exchanged when both sets
// have it: a language file that lacks a label can neither turn every cue into
// a stop nor turn a stop into an empty cue.
QString relabelTimeText(const QString& timeText, const StopLabels& from, const StopLabels& to);

// Table form (current labels) to the form stored in project files.
inline QString timeTextToFile(const QString& tableText, const StopLabels& labels) {
    return relabelTimeText(tableText, labels, StopLabels::fileForm());
}

// Project-file form to table form (current labels).
inline QString timeTextToTable(const QString& fileText, const StopLabels& labels) {
    return relabelTimeText(fileText, StopLabels::fileForm(), labels);
}

} // namespace zyn
