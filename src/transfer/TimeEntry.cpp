#include "TimeEntry.h"

#include "editor/TimeCode.h"

namespace zyn::TimeEntry {

namespace {

QByteArray marker(quint8 last) {
    QByteArray out(Size, char(NoTimeMarker));
    out[Size - 1] = char(last);
    return out;
}

bool begins(const QString& text, const QString& label) {
    return !label.isEmpty() && text.startsWith(label);
}

} // namespace

quint8 packedBcd(int value) {
    if (value < 0 || value > 99)
        return 0;
    return quint8((value / 10) * 16 + value % 10);
}

QByteArray bytes(const QString& timeText, bool manualShow, const StopLabels& labels) {
    if (manualShow || timeText.trimmed().isEmpty())
        return marker(NoTimeMarker);
    if (!labels.stop.isEmpty() && timeText == labels.stop)
        return marker(StopMarker);
    if (begins(timeText, labels.timedStop))
        return marker(TimedStopMarker);
    if (begins(timeText, labels.resetStop))
        return marker(ResetStopMarker);
    const TimeCode time = TimeCode::readPositional(QStringView(timeText).left(TimeCode::Length));
    QByteArray out(Size, '\0');
    out[0] = char(packedBcd(time.hours));
    out[1] = char(packedBcd(time.minutes));
    out[2] = char(packedBcd(time.seconds));
    out[3] = char(packedBcd(time.hundredths));
    return out;
}

} // namespace zyn::TimeEntry
