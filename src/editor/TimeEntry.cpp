#include "TimeEntry.h"

#include "TimeCode.h"
#include "show/NumericText.h"

#include <QStringList>
#include <optional>

namespace zyn {

namespace {

constexpr QStringView Separators = u".,/* ;-#";

// Fields of a single number read as hhmmsscc: its decimal digits, padded
// with zeros on the left, the last eight of them.
std::optional<TimeCode> fromDigits(const QString& text) {
    const double value = NumericText::leadingValue(text);
    // Beyond this a number has no exact decimal digits to take apart.
    if (value >= 1e15)
        return std::nullopt;
    const QString digits = (QStringLiteral("00000000") + NumericText::decimalText(value)).right(8);
    bool ok = true;
    TimeCode code;
    int* fields[] = {&code.hours, &code.minutes, &code.seconds, &code.hundredths};
    for (int i = 0; i < 4 && ok; ++i)
        *fields[i] = digits.mid(i * 2, 2).toInt(&ok);
    return ok ? std::optional<TimeCode>(code) : std::nullopt;
}

// Two to four fields, taken from the right; each keeps its last two digits.
std::optional<TimeCode> fromParts(const QStringList& parts) {
    TimeCode code;
    int* fields[] = {&code.hundredths, &code.seconds, &code.minutes, &code.hours};
    for (qsizetype i = 0; i < parts.size(); ++i) {
        const std::optional<qint16> value =
            NumericText::toInt16(NumericText::leadingValue(parts[parts.size() - 1 - i]));
        if (!value)
            return std::nullopt;
        *fields[i] = std::abs(*value) % 100;
    }
    return code;
}

bool isTimeOfDay(const TimeCode& code) {
    return code.hours <= 23 && code.minutes <= 59 && code.seconds <= 59;
}

} // namespace

TimeEntryResult sb_Umwandlung_EingabeZeit(const QString& typed) {
    QString text = typed;
    text.remove(u'_');
    if (text.isEmpty())
        return {false, QString()};
    for (const QChar separator : Separators)
        text.replace(separator, u':');
    const QStringList parts = text.split(u':');

    std::optional<TimeCode> code;
    if (parts.size() == 1)
        code = fromDigits(text);
    else if (parts.size() <= 4)
        code = fromParts(parts);
    else
        code = TimeCode{};

    if (!code || !isTimeOfDay(*code))
        return {true, QString()};
    return {false, code->text()};
}

} // namespace zyn
