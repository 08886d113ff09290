#include "TimeShift.h"

#include "EditContext.h"
#include "EditTextId.h"
#include "TimeCode.h"
#include "platform/Prompter.h"
#include "settings/TextId.h"
#include "show/NumericText.h"
#include "show/Show.h"

#include <cmath>

namespace zyn {

namespace {

// Positional readers take two hour digits; a longer time would be misread.
constexpr qint64 HundredthsLimit = 100LL * 3600 * 100;

QString atLeastTwoDigits(qint64 value) {
    return QStringLiteral("%1").arg(value, 2, 10, QLatin1Char('0'));
}

} // namespace

qint64 TimeShift::Offset::totalHundredths() const {
    const double total = std::fabs(hours) * 360000.0 + std::fabs(minutes) * 6000.0 +
                         std::fabs(seconds) * 100.0 + std::fabs(hundredths);
    const double rounded = NumericText::roundHalfEven(total);
    // The fields are limited to two or three digits; this only guards
    // against a caller that skipped the field limits.
    return rounded < double(HundredthsLimit) ? qint64(rounded) : HundredthsLimit;
}

bool TimeShift::takesPart(const QString& timeText, const StopLabels& languageLabels) {
    const StopLabels labels = EditContext::usableLabels(languageLabels);
    return !timeText.isEmpty() && timeText != labels.stop &&
           !timeText.startsWith(labels.timedStop) && !timeText.startsWith(labels.resetStop);
}

RowSpan TimeShift::rowsOf(const CueTable& cues, const StopLabels& languageLabels,
                          const Request& request) {
    const int current = qBound(1, request.currentRow, MaxCues);
    const int other = qBound(1, request.otherRow, MaxCues);
    switch (request.range) {
    case Range::AllCues:
        return {1, MaxCues};
    case Range::SelectedCues:
        return {std::min(current, other), std::max(current, other)};
    case Range::CurrentSegment:
        break;
    }
    const QString reset = EditContext::usableLabels(languageLabels).resetStop;
    int first = current;
    while (first > 1 && !cues.row(first).TimeText.startsWith(reset))
        --first;
    int last = current + 1;
    while (last < MaxCues && !cues.row(last).TimeText.startsWith(reset))
        ++last;
    return {first, std::min(last, MaxCues)};
}

qint64 TimeShift::newTime(const QString& timeText, const Request& request) {
    const qint64 time = TimeCode::readPositional(timeText).totalHundredths();
    const qint64 offset = request.offset.totalHundredths();
    return request.op == Operator::Add ? time + offset : time - offset;
}

TimeShift::Refusal TimeShift::check(const CueTable& cues, const StopLabels& labels,
                                    const Request& request) {
    const RowSpan rows = rowsOf(cues, labels, request);
    for (int r = rows.first; r <= rows.last; ++r) {
        const QString& text = cues.row(r).TimeText;
        if (!takesPart(text, labels))
            continue;
        const qint64 time = newTime(text, request);
        if (time < 0)
            return {Refusal::Kind::BelowZero, r};
        if (time >= HundredthsLimit)
            return {Refusal::Kind::TooLarge, r};
    }
    return {};
}

QString TimeShift::shiftedText(qint64 hundredths) {
    const qint64 seconds = hundredths / 100;
    return atLeastTwoDigits(seconds / 3600) + u':' + atLeastTwoDigits(seconds / 60 % 60) + u':' +
           atLeastTwoDigits(seconds % 60) + u'.' + atLeastTwoDigits(hundredths % 100);
}

QString TimeShift::fieldText(Field field, const QString& typed) {
    const double value = std::fabs(NumericText::leadingValue(typed));
    const double limit = field == Field::Hours                                ? 23
                         : field == Field::Minutes || field == Field::Seconds ? 59
                                                                              : 999;
    return NumericText::decimalText(std::min(value, limit));
}

EditResult TimeShift::run(const Request& request) {
    Show& show = m_context.show;
    const StopLabels labels = m_context.stopLabels();
    if (const Refusal refusal = check(show.cues, labels, request)) {
        const CueRow& cue = show.cues.row(refusal.row);
        const int text = refusal.kind == Refusal::Kind::BelowZero ? EditTextId::ShiftBelowZero
                                                                  : EditTextId::ShiftTooLarge;
        m_context.warn(m_context.text(text) + u' ' + QString::number(refusal.row) + u'\n' +
                           cue.TimeText + u'\n' + cue.Description,
                       TextId::WarningTitle);
        return {};
    }
    if (!m_context.prompter.ask(m_context.text(EditTextId::ShiftQuestion),
                                m_context.text(TextId::WarningTitle)))
        return {};

    m_context.showStatus(EditTextId::StatusShifting);
    const RowSpan rows = rowsOf(show.cues, labels, request);
    EditResult result;
    for (int r = rows.first; r <= rows.last; ++r) {
        QString& text = show.cues.row(r).TimeText;
        if (!takesPart(text, labels))
            continue;
        const QString shifted = shiftedText(newTime(text, request));
        if (shifted != text) {
            text = shifted;
            result.changed = true;
        }
    }
    if (result.changed) {
        // Shifted times need a sort and a save like any other time change;
        // without the flags the shift could be closed away unasked.
        show.state.ShowChanged = true;
        show.state.SortPending = true;
        result.cueRows = rows;
    }
    m_context.clearStatus();
    return result;
}

} // namespace zyn
