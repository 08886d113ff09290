#include "StopLabels.h"

namespace zyn {

StopLabels StopLabels::fileForm() {
    return {QStringLiteral("MAN"), QStringLiteral("TS"), QStringLiteral("TR")};
}

QString relabelTimeText(const QString& timeText, const StopLabels& from, const StopLabels& to) {
    if (!from.stop.isEmpty() && timeText == from.stop)
        return to.stop;
    if (!from.timedStop.isEmpty() && timeText.startsWith(from.timedStop))
        return to.timedStop + timeText.mid(from.timedStop.size());
    if (!from.resetStop.isEmpty() && timeText.startsWith(from.resetStop))
        return to.resetStop + timeText.mid(from.resetStop.size());
    return timeText;
}

} // namespace zyn
