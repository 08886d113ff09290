#pragma once

#include "FiringPlan.h"

#include <QString>
#include <optional>

namespace zyn {

// Where damaged bytes stop making sense, and what belonged there.
struct DecodeError {
    qsizetype offset = 0;
    QString expected; // "expected ..., found ..."

    QString text() const { return QStringLiteral("offset %1: %2").arg(offset).arg(expected); }
};

// A plan read from a medium's bytes, or why none could be read.
struct PlanReading {
    std::optional<FiringPlan> plan;
    DecodeError error;

    bool ok() const { return plan.has_value(); }
};

} // namespace zyn
