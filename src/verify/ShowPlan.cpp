#include "ShowPlan.h"

#include "editor/TimeCode.h"
#include "show/Show.h"
#include "transfer/CardImage.h"
#include "transfer/ChannelLists.h"

namespace zyn {

namespace {

constexpr quint32 MarkerBase = 99999900;

bool begins(const QString& text, const QString& label) {
    return !label.isEmpty() && text.startsWith(label);
}

PlanTime timeOf(const QString& text, const StopLabels& labels) {
    using Kind = PlanTime::Kind;
    if (text.trimmed().isEmpty())
        return PlanTime::of(Kind::None);
    if (!labels.stop.isEmpty() && text == labels.stop)
        return PlanTime::of(Kind::Stop);
    if (begins(text, labels.timedStop))
        return PlanTime::of(Kind::TimedStop);
    if (begins(text, labels.resetStop))
        return PlanTime::of(Kind::ResetStop);
    const TimeCode code = TimeCode::readPositional(QStringView(text).left(TimeCode::Length));
    const quint32 digits = quint32(code.hours) * 1000000 + quint32(code.minutes) * 10000 +
                           quint32(code.seconds) * 100 + quint32(code.hundredths);
    switch (digits) {
    case MarkerBase + 99:
        return PlanTime::of(Kind::None);
    case MarkerBase + 98:
        return PlanTime::of(Kind::Stop);
    case MarkerBase + 96:
        return PlanTime::of(Kind::TimedStop);
    case MarkerBase + 97:
        return PlanTime::of(Kind::ResetStop);
    default:
        return PlanTime::time(digits);
    }
}

PlanChannels channelsOf(const ChannelRecord& record) {
    PlanChannels channels;
    for (const ChannelEntry& entry : record.entries())
        channels.push_back({(entry.channelNumber - 1) / ChannelsPerSlave + 1,
                            (entry.channelNumber - 1) % ChannelsPerSlave + 1, entry.level});
    return channels;
}

// The card cannot tell a time of 99:99:99:99 from a manual show.
PlanTime cardTime(quint32 value) {
    return value == PlanTime::ManualShowValue ? PlanTime::of(PlanTime::Kind::ManualShow)
                                              : PlanTime::time(value);
}

} // namespace

namespace ShowPlan {

FiringPlan forTable(const Show& show, const StopLabels& labels) {
    FiringPlan plan;
    const bool manual = show.state.ShowMode == ManualShow;
    for (int row = 1; row <= MaxCues; ++row)
        plan.cue(row).time = manual ? PlanTime::of(PlanTime::Kind::None)
                                    : timeOf(show.cues.row(row).TimeText, labels);
    ChannelLists lists;
    ChannelLists::collect(show.ics, lists);
    for (int cue = 1; cue <= MaxCues; ++cue)
        plan.cue(cue).channels = channelsOf(lists.cue(cue));
    for (int key = 1; key <= MaxKey; ++key)
        plan.key(key) = channelsOf(lists.key(key));
    return plan;
}

FiringPlan forCard(const Show& show) {
    FiringPlan plan;
    const bool manual = show.state.ShowMode == ManualShow;
    for (int row = 1; row <= MaxCues; ++row)
        plan.cue(row).time = cardTime(manual ? PlanTime::ManualShowValue
                                             : CardImage::timeValue(show.cues.row(row).TimeText));
    for (int slave = 1; slave <= MaxSlaves; ++slave) {
        for (int channel = 1; channel <= ChannelsPerSlave; ++channel) {
            const CardImage::ChannelValues values =
                CardImage::channelValues(show.ics.cell(slave, channel));
            if (values.cue != 0)
                plan.cue(values.cue).channels.push_back({slave, channel, values.level});
        }
    }
    return plan;
}

} // namespace ShowPlan
} // namespace zyn
