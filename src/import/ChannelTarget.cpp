#include "ChannelTarget.h"

#include "show/NumericText.h"
#include "show/ShowLimits.h"

#include <QRegularExpression>
#include <cmath>

namespace zyn {

namespace {

double roundedValue(const QString& text) {
    return NumericText::roundHalfEven(NumericText::leadingValue(text));
}

// The level text of a positive security. A value too large for a double
// keeps the digits it was written with: any other form ("inf") would read
// back as level 0 and fire the channel without its security.
QString levelText(double security, const QString& written) {
    if (std::isfinite(security))
        return NumericText::decimalText(security);
    static const QRegularExpression number(
        QStringLiteral(R"(^\s*\+?(\d*\.?\d*[EeDd][+-]?\d+|\d+))"));
    return number.match(written).captured(1);
}

} // namespace

ChannelTarget ChannelTarget::of(const ImportRow& row) {
    const double module = std::fabs(roundedValue(row.module));
    const double channel = std::fabs(roundedValue(row.channel));
    const double security = roundedValue(row.security);
    ChannelTarget target;
    if (!(module >= 1 && channel >= 1))
        return target;
    if (module > MaxSlaves || channel > ChannelsPerSlave) {
        target.outcome = Outcome::OutOfRange;
        return target;
    }
    target.outcome = security > MaxStoredLevel ? Outcome::LevelRefused : Outcome::Assign;
    target.module = int(module);
    target.channel = int(channel);
    if (security > 0)
        target.level = levelText(security, row.security);
    return target;
}

QString ChannelTarget::cellFor(int cue) const {
    const QString number = QString::number(cue);
    return level.isEmpty() ? number : number + u'-' + level;
}

} // namespace zyn
