#include "PlanComparison.h"

namespace zyn {

namespace {

using Kind = PlanDifference::Kind;
using Owner = PlanDifference::Owner;

QString channelName(const PlanDifference& d) {
    return QStringLiteral("slave %1 channel %2").arg(d.slave).arg(d.channel);
}

QString hexByte(int byte) {
    return QStringLiteral("%1").arg(byte, 2, 16, QLatin1Char('0')).toUpper();
}

PlanDifference channelDifference(Kind kind, Owner owner, int number, const PlanChannel& channel) {
    PlanDifference d;
    d.kind = kind;
    d.owner = owner;
    d.number = number;
    d.slave = channel.slave;
    d.channel = channel.channel;
    return d;
}

// Both lists ascend by slave and channel, so one merge pass pairs them up.
void compareChannels(Owner owner, int number, const PlanChannels& show, const PlanChannels& medium,
                     std::vector<PlanDifference>& out) {
    const auto place = [](const PlanChannel& c) { return std::pair(c.slave, c.channel); };
    auto s = show.begin();
    auto m = medium.begin();
    while (s != show.end() || m != medium.end()) {
        if (m == medium.end() || (s != show.end() && place(*s) < place(*m))) {
            out.push_back(channelDifference(Kind::ChannelMissing, owner, number, *s++));
        } else if (s == show.end() || place(*m) < place(*s)) {
            out.push_back(channelDifference(Kind::ChannelExtra, owner, number, *m++));
        } else {
            if (s->level != m->level) {
                PlanDifference d = channelDifference(Kind::LevelDiffers, owner, number, *s);
                d.mediumValue = m->level;
                d.showValue = s->level;
                out.push_back(d);
            }
            ++s;
            ++m;
        }
    }
}

} // namespace

std::vector<PlanDifference> PlanComparison::compare(const FiringPlan& show,
                                                    const FiringPlan& medium) {
    std::vector<PlanDifference> out;
    if (medium.checksum && !medium.checksum->ok()) {
        PlanDifference d;
        d.kind = Kind::ChecksumBad;
        d.offset = medium.checksum->offset;
        d.mediumValue = medium.checksum->stored;
        d.showValue = medium.checksum->computed;
        out.push_back(d);
    }
    for (int cue = 1; cue <= MaxCues; ++cue) {
        const PlanTime& expected = show.cue(cue).time;
        const PlanTime& found = medium.cue(cue).time;
        if (expected != found) {
            PlanDifference d;
            d.kind = Kind::TimeDiffers;
            d.number = cue;
            d.mediumTime = found;
            d.showTime = expected;
            out.push_back(d);
        }
        compareChannels(Owner::Cue, cue, show.cue(cue).channels, medium.cue(cue).channels, out);
    }
    for (int key = 1; key <= MaxKey; ++key)
        compareChannels(Owner::Key, key, show.key(key), medium.key(key), out);
    return out;
}

QString PlanComparison::line(const PlanDifference& d) {
    const QString owner =
        QStringLiteral("%1 %2")
            .arg(d.owner == Owner::Cue ? QStringLiteral("cue") : QStringLiteral("key"))
            .arg(d.number);
    switch (d.kind) {
    case Kind::ChecksumBad:
        return QStringLiteral("checksum bad: offset %1 holds %2, the bytes before it sum to %3")
            .arg(d.offset)
            .arg(hexByte(d.mediumValue), hexByte(d.showValue));
    case Kind::TimeDiffers:
        return QStringLiteral("%1: %2 on the medium, %3 in the show")
            .arg(owner, d.mediumTime.text(), d.showTime.text());
    case Kind::ChannelMissing:
        return QStringLiteral("%1: %2 is missing on the medium").arg(owner, channelName(d));
    case Kind::ChannelExtra:
        return QStringLiteral("%1: %2 is on the medium, not in the show")
            .arg(owner, channelName(d));
    case Kind::LevelDiffers:
        return QStringLiteral("%1: %2 has level %3 on the medium, %4 in the show")
            .arg(owner, channelName(d))
            .arg(d.mediumValue)
            .arg(d.showValue);
    }
    return QString();
}

QStringList PlanComparison::differences(const FiringPlan& show, const FiringPlan& medium) {
    QStringList lines;
    for (const PlanDifference& d : compare(show, medium))
        lines << line(d);
    return lines;
}

} // namespace zyn
