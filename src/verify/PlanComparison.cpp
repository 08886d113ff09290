#include "PlanComparison.h"

namespace zyn {

namespace {

QString channelName(const PlanChannel& channel) {
    return QStringLiteral("slave %1 channel %2").arg(channel.slave).arg(channel.channel);
}

QString hexByte(quint8 byte) {
    return QStringLiteral("%1").arg(byte, 2, 16, QLatin1Char('0')).toUpper();
}

// Both lists ascend by slave and channel, so one merge pass pairs them up.
void compareChannels(const QString& owner, const PlanChannels& show, const PlanChannels& medium,
                     QStringList& lines) {
    const auto place = [](const PlanChannel& c) { return std::pair(c.slave, c.channel); };
    auto s = show.begin();
    auto m = medium.begin();
    while (s != show.end() || m != medium.end()) {
        if (m == medium.end() || (s != show.end() && place(*s) < place(*m))) {
            lines << QStringLiteral("%1: %2 is missing on the medium").arg(owner, channelName(*s));
            ++s;
        } else if (s == show.end() || place(*m) < place(*s)) {
            lines << QStringLiteral("%1: %2 is on the medium, not in the show")
                         .arg(owner, channelName(*m));
            ++m;
        } else {
            if (s->level != m->level)
                lines << QStringLiteral("%1: %2 has level %3 on the medium, %4 in the show")
                             .arg(owner, channelName(*s))
                             .arg(m->level)
                             .arg(s->level);
            ++s;
            ++m;
        }
    }
}

} // namespace

QStringList PlanComparison::differences(const FiringPlan& show, const FiringPlan& medium) {
    QStringList lines;
    if (medium.checksum && !medium.checksum->ok())
        lines << QStringLiteral("checksum bad: offset %1 holds %2, the bytes before it sum to %3")
                     .arg(medium.checksum->offset)
                     .arg(hexByte(medium.checksum->stored), hexByte(medium.checksum->computed));
    for (int cue = 1; cue <= MaxCues; ++cue) {
        const QString owner = QStringLiteral("cue %1").arg(cue);
        const PlanTime& expected = show.cue(cue).time;
        const PlanTime& found = medium.cue(cue).time;
        if (expected != found)
            lines << QStringLiteral("%1: %2 on the medium, %3 in the show")
                         .arg(owner, found.text(), expected.text());
        compareChannels(owner, show.cue(cue).channels, medium.cue(cue).channels, lines);
    }
    for (int key = 1; key <= MaxKey; ++key)
        compareChannels(QStringLiteral("key %1").arg(key), show.key(key), medium.key(key), lines);
    return lines;
}

} // namespace zyn
