#include "PlanJson.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

namespace zyn {

namespace {

QString sourceName(FiringPlan::Source source) {
    switch (source) {
    case FiringPlan::Source::Table:
        return QStringLiteral("table");
    case FiringPlan::Source::Card:
        return QStringLiteral("card");
    case FiringPlan::Source::Project:
        break;
    }
    return QStringLiteral("project");
}

QJsonArray channelArray(const PlanChannels& channels) {
    QJsonArray array;
    for (const PlanChannel& c : channels)
        array.append(QJsonObject{{"slave", c.slave}, {"channel", c.channel}, {"level", c.level}});
    return array;
}

QString channelText(const PlanChannels& channels) {
    QStringList parts;
    for (const PlanChannel& c : channels)
        parts << QStringLiteral("slave %1 channel %2 level %3")
                     .arg(c.slave)
                     .arg(c.channel)
                     .arg(c.level);
    return parts.isEmpty() ? QStringLiteral("no channels") : parts.join(QStringLiteral(", "));
}

} // namespace

QByteArray PlanJson::write(const FiringPlan& plan) {
    QJsonArray cues;
    for (int cue = 1; cue <= MaxCues; ++cue) {
        if (plan.listed(cue))
            cues.append(QJsonObject{{"cue", cue},
                                    {"time", plan.cue(cue).time.text()},
                                    {"channels", channelArray(plan.cue(cue).channels)}});
    }
    QJsonArray keys;
    for (int key = 1; key <= MaxKey; ++key) {
        if (!plan.key(key).empty())
            keys.append(QJsonObject{{"key", key}, {"channels", channelArray(plan.key(key))}});
    }
    QJsonObject root{{"source", sourceName(plan.source)}, {"cues", cues}, {"keys", keys}};
    if (plan.checksum)
        root.insert("checksum", plan.checksum->ok() ? QStringLiteral("ok") : QStringLiteral("bad"));
    return QJsonDocument(root).toJson(QJsonDocument::Indented);
}

QStringList PlanJson::lines(const FiringPlan& plan) {
    QStringList lines;
    for (int cue = 1; cue <= MaxCues; ++cue) {
        if (plan.listed(cue))
            lines << QStringLiteral("cue %1 %2: %3")
                         .arg(cue)
                         .arg(plan.cue(cue).time.text(), channelText(plan.cue(cue).channels));
    }
    for (int key = 1; key <= MaxKey; ++key) {
        if (!plan.key(key).empty())
            lines << QStringLiteral("key %1: %2").arg(key).arg(channelText(plan.key(key)));
    }
    if (plan.checksum)
        lines << (plan.checksum->ok() ? QStringLiteral("checksum ok")
                                      : QStringLiteral("checksum bad"));
    return lines;
}

} // namespace zyn
