#include "NumericText.h"

#include <QLocale>
#include <cmath>
#include <limits>

namespace zyn::NumericText {

namespace {

bool isDigit(QChar c) {
    return c >= u'0' && c <= u'9';
}

// Index just past the digits starting at i.
qsizetype skipDigits(QStringView text, qsizetype i) {
    while (i < text.size() && isDigit(text[i]))
        ++i;
    return i;
}

template<typename Int> std::optional<Int> toInteger(double value) {
    const double rounded = roundHalfEven(value);
    if (!std::isfinite(rounded) || rounded < double(std::numeric_limits<Int>::min()) ||
        rounded > double(std::numeric_limits<Int>::max()))
        return std::nullopt;
    return static_cast<Int>(rounded);
}

} // namespace

double leadingValue(QStringView text) {
    qsizetype i = 0;
    while (i < text.size() && (text[i] == u' ' || text[i] == u'\t'))
        ++i;
    const qsizetype start = i;
    if (i < text.size() && (text[i] == u'+' || text[i] == u'-'))
        ++i;
    const qsizetype intStart = i;
    i = skipDigits(text, i);
    bool anyDigit = i > intStart;
    if (i < text.size() && text[i] == u'.') {
        const qsizetype fracStart = i + 1;
        const qsizetype fracEnd = skipDigits(text, fracStart);
        if (fracEnd > fracStart || anyDigit) {
            anyDigit = anyDigit || fracEnd > fracStart;
            i = fracEnd;
        }
    }
    if (!anyDigit)
        return 0.0;
    // An exponent only counts when digits follow it ("12E" is 12).
    if (i < text.size() &&
        (text[i] == u'E' || text[i] == u'e' || text[i] == u'D' || text[i] == u'd')) {
        qsizetype e = i + 1;
        if (e < text.size() && (text[e] == u'+' || text[e] == u'-'))
            ++e;
        const qsizetype expEnd = skipDigits(text, e);
        if (expEnd > e)
            i = expEnd;
    }
    // Plain whole numbers, by far the most common case (cue numbers, levels,
    // time fields), are exact in a double up to 15 digits: no conversion needed.
    if (const qsizetype digits = i - intStart; digits <= 15 && skipDigits(text, intStart) == i) {
        double value = 0;
        for (qsizetype d = intStart; d < i; ++d)
            value = value * 10 + (text[d].unicode() - u'0');
        return intStart > start && text[start] == u'-' ? -value : value;
    }
    QString number = text.mid(start, i - start).toString();
    number.replace(u'D', u'E').replace(u'd', u'e');
    // The text is a well-formed number, so the conversion fails only beyond
    // the range of a double, and then gives what we want: an infinity of the
    // number's sign when it is too large, 0 when it is too small.
    return number.toDouble();
}

double roundHalfEven(double value) {
    if (!std::isfinite(value))
        return value;
    const double floor = std::floor(value);
    const double diff = value - floor;
    if (diff < 0.5)
        return floor;
    if (diff > 0.5)
        return floor + 1.0;
    return std::fmod(floor, 2.0) == 0.0 ? floor : floor + 1.0;
}

std::optional<qint16> toInt16(double value) {
    return toInteger<qint16>(value);
}

std::optional<qint32> toInt32(double value) {
    return toInteger<qint32>(value);
}

QString decimalText(double value) {
    if (std::isfinite(value) && value == std::floor(value) && std::fabs(value) < 1e15)
        return QString::number(static_cast<qint64>(value));
    return QString::number(value, 'g', QLocale::FloatingPointShortest);
}

} // namespace zyn::NumericText
