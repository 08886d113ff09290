#pragma once

#include <QString>
#include <optional>

namespace zyn {

// Times as cue lists write them: a clock time h:mm or h:mm:ss (hours 0 to 23),
// then optionally a comma or full stop and a fraction of a second.
namespace ImportTime {

// "hh:mm:ss:mmm", the preview's form: the last field is milliseconds. The
// fraction is read as decimal digits, so 5, 50 and 500 all mean 500 ms and
// digits beyond the third are dropped (the show keeps hundredths anyway).
// Nothing when the text is no such time.
std::optional<QString> parse(QStringView text);

// The time code a preview time becomes in the show: the milliseconds cut to
// hundredths ("00:00:05:259" gives "00:00:05:25").
QString toTimeCode(const QString& previewTime);

// The preview time of a row that has no time.
inline QString zero() {
    return QStringLiteral("00:00:00:000");
}

} // namespace ImportTime
} // namespace zyn
