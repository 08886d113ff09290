#include "TimeCode.h"

#include "show/NumericText.h"

namespace zyn {

namespace {

int fieldAt(QStringView text, qsizetype position) {
    if (position >= text.size())
        return 0;
    const double value = NumericText::leadingValue(text.mid(position, 2));
    return static_cast<int>(value);
}

QString twoDigits(int value) {
    const QString digits = QStringLiteral("00000000") + QString::number(value);
    return digits.right(2);
}

bool isDigit(QChar c) {
    return c >= u'0' && c <= u'9';
}

} // namespace

TimeCode TimeCode::readPositional(QStringView text) {
    return {fieldAt(text, 0), fieldAt(text, 3), fieldAt(text, 6), fieldAt(text, 9)};
}

bool TimeCode::hasForm(QStringView text) {
    if (text.size() != Length)
        return false;
    for (qsizetype i = 0; i < Length; ++i) {
        const bool separator = i % 3 == 2;
        if (separator && !(text[i] == u':' || (i == 8 && text[i] == u'.')))
            return false;
        if (!separator && !isDigit(text[i]))
            return false;
    }
    return true;
}

QString TimeCode::text() const {
    return twoDigits(hours) + u':' + twoDigits(minutes) + u':' + twoDigits(seconds) + u':' +
           twoDigits(hundredths);
}

qint64 TimeCode::totalHundredths() const {
    return ((qint64(hours) * 60 + minutes) * 60 + seconds) * 100 + hundredths;
}

} // namespace zyn
