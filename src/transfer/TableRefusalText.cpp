#include "TableRefusalText.h"

#include "RefusalTextId.h"
#include "settings/FileErrorText.h"
#include "settings/LanguageTexts.h"

#include <algorithm>

namespace zyn::TableRefusalText {

QString description(const TableRefusal& refusal, const LanguageTexts& texts) {
    if (refusal.reason == TableRefusal::Reason::LevelOutOfRange) {
        const CellPlace place{CellPlace::Field::IcCell, refusal.slave, refusal.channel};
        return texts.text(RefusalTextId::LevelNotWhole) + u' ' +
               FileErrorText::placeName(place, texts) + QStringLiteral(": \"") + refusal.cell +
               u'"';
    }
    const int text = refusal.holder == TableRefusal::Holder::Cue
                         ? RefusalTextId::TooManyCueChannels
                         : RefusalTextId::TooManyKeyChannels;
    return texts.text(text) + u' ' + QString::number(refusal.number) + QStringLiteral(": ") +
           QString::number(refusal.count);
}

QStringList lines(const std::vector<TableRefusal>& refusals, const LanguageTexts& texts,
                  int maxLines) {
    return firstLines(refusals.size(), texts, maxLines,
                      [&](std::size_t i) { return description(refusals[i], texts); });
}

QString moreLine(std::size_t rest, const LanguageTexts& texts) {
    return texts.text(RefusalTextId::MoreBefore) + u' ' + QString::number(rest) + u' ' +
           texts.text(RefusalTextId::MoreAfter);
}

} // namespace zyn::TableRefusalText
