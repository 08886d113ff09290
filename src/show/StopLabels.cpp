#include "StopLabels.h"

namespace zyn {

StopLabels StopLabels::fileForm() {
    return {QStringLiteral("MAN"), QStringLiteral("TS"), QStringLiteral("TR")};
}

QString relabelTimeText(const QString& timeText, const StopLabels& from, const StopLabels& to) {
    const auto usable = [](const QString& a, const QString& b) {
        return !a.isEmpty() && !b.isEmpty();
    };
    if (usable(from.stop, to.stop) && timeText == from.stop)
        return to.stop;
    if (usable(from.timedStop, to.timedStop) && timeText.startsWith(from.timedStop))
        return to.timedStop + timeText.mid(from.timedStop.size());
    if (usable(from.resetStop, to.resetStop) && timeText.startsWith(from.resetStop))
        return to.resetStop + timeText.mid(from.resetStop.size());
    return timeText;
}

} // namespace zyn
