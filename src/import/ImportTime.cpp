#include "ImportTime.h"

#include <QRegularExpression>

namespace zyn::ImportTime {

namespace {

bool allDigits(QStringView text) {
    for (const QChar c : text) {
        if (c < u'0' || c > u'9')
            return false;
    }
    return true;
}

QString twoDigits(int value) {
    return QString::number(value).rightJustified(2, u'0');
}

} // namespace

std::optional<QString> parse(QStringView text) {
    static const QRegularExpression clock(
        QStringLiteral(R"(^(\d{1,2}):(\d{1,2})(?::(\d{1,2}))?$)"));
    QString normalised = text.toString();
    normalised.replace(u',', u'.');
    const QStringList parts = normalised.split(u'.');
    const QString fraction = parts.size() > 1 ? parts[1].trimmed() : QString();
    if (!allDigits(fraction))
        return std::nullopt;
    const QRegularExpressionMatch match = clock.match(parts[0].trimmed());
    if (!match.hasMatch())
        return std::nullopt;
    const int hours = match.capturedView(1).toInt();
    const int minutes = match.capturedView(2).toInt();
    const int seconds = match.capturedView(3).toInt();
    if (hours > 23 || minutes > 59 || seconds > 59)
        return std::nullopt;
    const QString milliseconds = (fraction + QStringLiteral("000")).left(3);
    return twoDigits(hours) + u':' + twoDigits(minutes) + u':' + twoDigits(seconds) + u':' +
           milliseconds;
}

QString toTimeCode(const QString& previewTime) {
    return previewTime.left(previewTime.size() - 1);
}

} // namespace zyn::ImportTime
