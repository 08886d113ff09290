#include "CellText.h"

#include <QLocale>
#include <cmath>

namespace zyn::CellText {

namespace {

constexpr qint64 MillisecondsPerDay = 86400000;
constexpr double LastSerialDay = 2958465; // 9999-12-31 counted from 1899-12-30

QString twoDigits(qint64 value) {
    return QString::number(value).rightJustified(2, u'0');
}

} // namespace

QString number(double value) {
    if (std::isfinite(value) && value == std::floor(value) && std::fabs(value) < 9007199254740992.0)
        return QString::number(static_cast<qint64>(value));
    return QString::number(value, 'f', QLocale::FloatingPointShortest);
}

QString duration(qint64 milliseconds) {
    const qint64 seconds = milliseconds / 1000;
    QString text = QString::number(seconds / 3600) + u':' + twoDigits(seconds / 60 % 60) + u':' +
                   twoDigits(seconds % 60);
    QString fraction = QString::number(milliseconds % 1000).rightJustified(3, u'0');
    while (fraction.endsWith(u'0'))
        fraction.chop(1);
    if (!fraction.isEmpty())
        text += u'.' + fraction;
    return text;
}

QString dateTime(QDate date, qint64 millisecondsOfDay, bool withTime) {
    QString text = date.toString(QStringLiteral("yyyy-MM-dd"));
    if (withTime)
        text += u' ' + duration(millisecondsOfDay);
    return text;
}

QString fromValue(double value, ValueDisplay display, QDate origin) {
    if (display == ValueDisplay::Number || !std::isfinite(value) || value < 0 ||
        value > LastSerialDay + 1)
        return number(value);
    const qint64 total = std::llround(value * double(MillisecondsPerDay));
    switch (display) {
    case ValueDisplay::ElapsedTime:
        return duration(total);
    case ValueDisplay::Time:
        return duration(total % MillisecondsPerDay);
    case ValueDisplay::Date:
    case ValueDisplay::DateTime: {
        const QDate date = origin.addDays(total / MillisecondsPerDay);
        if (!date.isValid() || date.year() > 9999)
            return number(value);
        return dateTime(date, total % MillisecondsPerDay, display == ValueDisplay::DateTime);
    }
    case ValueDisplay::Number:
        break;
    }
    return number(value);
}

} // namespace zyn::CellText
