#include "PlanTime.h"

namespace zyn {

QString PlanTime::text() const {
    switch (m_kind) {
    case Kind::None:
        return QStringLiteral("none");
    case Kind::Stop:
        return QStringLiteral("manual-stop");
    case Kind::TimedStop:
        return QStringLiteral("timed-stop");
    case Kind::ResetStop:
        return QStringLiteral("reset-stop");
    case Kind::ManualShow:
        return QStringLiteral("manual-show");
    case Kind::Time:
        break;
    }
    const auto pair = [this](int power) {
        return QStringLiteral("%1").arg(m_digits / quint32(power) % 100, 2, 10, QLatin1Char('0'));
    };
    return pair(1000000) + u':' + pair(10000) + u':' + pair(100) + u':' + pair(1);
}

} // namespace zyn
