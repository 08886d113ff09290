#pragma once

#include "EditResult.h"

#include <QString>
#include <QtGlobal>

namespace zyn {

class CueTable;
struct EditContext;
struct StopLabels;

// Adds an offset to, or subtracts it from, the times of a range of cues.
// Stops and rows without a time are left alone. A shift is all or nothing:
// when one cue of the range would go below zero, or beyond the 99 hours that
// two hour digits hold, no cue is changed.
class TimeShift {
public:
    enum class Range { AllCues = 0, SelectedCues = 1, CurrentSegment = 2 };
    enum class Operator { Add = 0, Subtract = 1 };
    enum class Field { Hours = 0, Minutes = 1, Seconds = 2, Hundredths = 3 };

    // The four offset fields as the dialog holds them (empty counts as 0).
    struct Offset {
        double hours = 0;
        double minutes = 0;
        double seconds = 0;
        double hundredths = 0;

        qint64 totalHundredths() const;
    };

    struct Request {
        Range range = Range::SelectedCues;
        Operator op = Operator::Add;
        Offset offset;
        int currentRow = 1; // the cue grid's current row
        int otherRow = 1;   // the other end of its row selection
    };

    // Why a shift is refused, naming the first cue of the range it concerns.
    struct Refusal {
        enum class Kind { None, BelowZero, TooLarge };
        Kind kind = Kind::None;
        int row = 0;
        explicit operator bool() const { return kind != Kind::None; }
    };

    explicit TimeShift(EditContext& context) : m_context(context) {}

    // Checks, warns and stops on a refusal, asks, then shifts. Marks the show
    // changed and awaiting a sort when a time was rewritten.
    EditResult run(const Request& request);

    // The rows the range covers.
    static RowSpan rowsOf(const CueTable& cues, const StopLabels& labels, const Request& request);
    // Whether a row's time takes part: not empty and not a stop.
    static bool takesPart(const QString& timeText, const StopLabels& labels);
    static Refusal check(const CueTable& cues, const StopLabels& labels, const Request& request);
    // "hh:mm:ss.cc" with at least two hour digits.
    static QString shiftedText(qint64 hundredths);

    // The text an offset field shows after an edit: the absolute value of
    // what was typed, hours at most 23, minutes and seconds at most 59.
    static QString fieldText(Field field, const QString& typed);

private:
    static qint64 newTime(const QString& timeText, const Request& request);

    EditContext& m_context;
};

} // namespace zyn
