#pragma once

#include <QByteArray>

namespace zyn::ProjectFormat {

// Header lines of the three generations; the writer always writes the newest.
inline constexpr QByteArrayView HeaderOldest = "[ZYN600 PROJECTFILE]";
inline constexpr QByteArrayView HeaderSecond = "[ZYN600 PROJECTFILE2]";
inline constexpr QByteArrayView HeaderNewest = "[ZYN600x2 PROJECTFILE]";

inline constexpr QByteArrayView CuesSection = "[CUES]";
inline constexpr QByteArrayView IcSection = "[IC]";
inline constexpr QByteArrayView StepperSection = "[STEP]";

// The oldest generation keeps its state flags as scrambled words.
inline constexpr QStringView OldTrue = u"Wahr";
inline constexpr QStringView OldFalse = u"Falsch";

} // namespace zyn::ProjectFormat
