#pragma once

#include "show/StopLabels.h"

#include <QByteArray>

namespace zyn {

// The four bytes of one cue row in the controller's time section: hours,
// minutes, seconds and hundredths as packed BCD, or a marker code for a row
// without a firing time. Markers are time codes no real show can reach, so
// the controller tells them apart from times by value alone.
namespace TimeEntry {

inline constexpr qsizetype Size = 4;

// "99:99:99:99": a manual show's rows and rows without a time.
inline constexpr quint8 NoTimeMarker = 0x99;
// Last byte of "99:99:99:98", "99:99:99:96" and "99:99:99:97".
inline constexpr quint8 StopMarker = 0x98;
inline constexpr quint8 TimedStopMarker = 0x96;
inline constexpr quint8 ResetStopMarker = 0x97;

// The entry for one TimeText. The checks run in a fixed order: manual show,
// empty text, the stop label (whole text), the timed-stop label (prefix), the
// reset-stop label (prefix), so a text beginning with both timed labels is a
// timed stop. Any other text is read by character position as a time code;
// a field without leading digits counts 0. An empty label never matches.
QByteArray bytes(const QString& timeText, bool manualShow, const StopLabels& labels);

// Packed BCD of 0..99: the tens in the high nibble. Values outside that range
// cannot come from a two-character field; they give 0.
quint8 packedBcd(int value);

} // namespace TimeEntry
} // namespace zyn
