#pragma once

#include <QString>
#include <QtGlobal>

namespace zyn {

// When a cue row fires, as a medium states it. A time is kept as the eight
// decimal digits hhmmsscc, the form both media reduce a time code to; the
// controller table adds its four markers for rows without a firing time, the
// card its one value for a manual show.
class PlanTime {
public:
    enum class Kind { None, Time, Stop, TimedStop, ResetStop, ManualShow };

    static constexpr quint32 ManualShowValue = 99999999;

    PlanTime() = default;
    static PlanTime time(quint32 digits) { return PlanTime(Kind::Time, digits); }
    static PlanTime of(Kind kind) { return PlanTime(kind, 0); }

    Kind kind() const { return m_kind; }
    quint32 digits() const { return m_digits; }

    // "hh:mm:ss:cc", or "none", "manual-stop", "timed-stop", "reset-stop",
    // "manual-show".
    QString text() const;

    friend bool operator==(const PlanTime&, const PlanTime&) = default;

private:
    PlanTime(Kind kind, quint32 digits) : m_kind(kind), m_digits(digits) {}

    Kind m_kind = Kind::None;
    quint32 m_digits = 0;
};

} // namespace zyn
