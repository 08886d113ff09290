#include "PlanDifferenceText.h"

#include "VerifyTextId.h"
#include "settings/LanguageTexts.h"

namespace zyn::PlanDifferenceText {

namespace {

using Kind = PlanDifference::Kind;

QString timeText(const PlanTime& time, const LanguageTexts& texts) {
    const StopLabels labels = texts.stopLabels();
    switch (time.kind()) {
    case PlanTime::Kind::None:
        return texts.text(VerifyTextId::NoTime);
    case PlanTime::Kind::Stop:
        return labels.stop;
    case PlanTime::Kind::TimedStop:
        return labels.timedStop;
    case PlanTime::Kind::ResetStop:
        return labels.resetStop;
    case PlanTime::Kind::ManualShow:
        return texts.text(VerifyTextId::ManualShow);
    case PlanTime::Kind::Time:
        break;
    }
    return time.text();
}

QString ownerName(const PlanDifference& d, const LanguageTexts& texts) {
    const int word = d.owner == PlanDifference::Owner::Cue ? VerifyTextId::Cue : VerifyTextId::Key;
    return texts.text(word) + u' ' + QString::number(d.number) + QStringLiteral(": ");
}

QString channelName(const PlanDifference& d, const LanguageTexts& texts) {
    return texts.text(VerifyTextId::Slave) + u' ' + QString::number(d.slave) + u' ' +
           texts.text(VerifyTextId::Channel) + u' ' + QString::number(d.channel);
}

// "<first> <medium>, <in the show> <show>"
QString pair(const QString& first, const QString& medium, const QString& show,
             const LanguageTexts& texts) {
    return first + u' ' + medium + QStringLiteral(", ") + texts.text(VerifyTextId::InTheShow) +
           u' ' + show;
}

QString hexByte(int byte) {
    return QStringLiteral("%1").arg(byte, 2, 16, QLatin1Char('0')).toUpper();
}

} // namespace

QString description(const PlanDifference& d, const LanguageTexts& texts) {
    switch (d.kind) {
    case Kind::ChecksumBad:
        return texts.text(VerifyTextId::ChecksumWrong) + u' ' + QString::number(d.offset) +
               QStringLiteral(": ") + texts.text(VerifyTextId::ChecksumStored) + u' ' +
               hexByte(d.mediumValue) + QStringLiteral(", ") +
               texts.text(VerifyTextId::ChecksumComputed) + u' ' + hexByte(d.showValue);
    case Kind::TimeDiffers:
        return ownerName(d, texts) + pair(texts.text(VerifyTextId::TimeOnMedium),
                                          timeText(d.mediumTime, texts),
                                          timeText(d.showTime, texts), texts);
    case Kind::ChannelMissing:
        return ownerName(d, texts) + channelName(d, texts) + u' ' +
               texts.text(VerifyTextId::MissingOnMedium);
    case Kind::ChannelExtra:
        return ownerName(d, texts) + channelName(d, texts) + u' ' +
               texts.text(VerifyTextId::OnlyOnMedium);
    case Kind::LevelDiffers:
        return ownerName(d, texts) + channelName(d, texts) + QStringLiteral(": ") +
               pair(texts.text(VerifyTextId::LevelOnMedium), QString::number(d.mediumValue),
                    QString::number(d.showValue), texts);
    }
    return QString();
}

QStringList lines(const std::vector<PlanDifference>& differences, const LanguageTexts& texts) {
    QStringList out;
    out.reserve(qsizetype(differences.size()));
    for (const PlanDifference& d : differences)
        out << description(d, texts);
    return out;
}

} // namespace zyn::PlanDifferenceText
