#pragma once

#include <QString>

namespace zyn {

// The eleven-character time code hh:mm:ss:cc of a cue (hours, minutes,
// seconds, hundredths). Time entry writes exactly this form; the time shift
// writes a full stop before the hundredths. Readers take the four fields by
// character position (1-2, 4-5, 7-8, 10-11), so both forms read alike.
struct TimeCode {
    int hours = 0;
    int minutes = 0;
    int seconds = 0;
    int hundredths = 0;

    static constexpr qsizetype Length = 11;
    static QString zero() { return QStringLiteral("00:00:00:00"); }

    // The fields of any text by position; a field that is not a number is 0.
    static TimeCode readPositional(QStringView text);

    // Whether the text has the form of a time code: two digits per field,
    // ":" between them, ":" or "." before the hundredths.
    static bool hasForm(QStringView text);

    // "hh:mm:ss:cc", each field as its last two decimal digits.
    QString text() const;
    qint64 totalHundredths() const;
    double totalSeconds() const { return double(totalHundredths()) / 100.0; }

    friend bool operator==(const TimeCode&, const TimeCode&) = default;
};

} // namespace zyn
