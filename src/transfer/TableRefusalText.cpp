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
    const std::size_t shown = std::min(refusals.size(), std::size_t(std::max(maxLines, 0)));
    QStringList out;
    out.reserve(qsizetype(shown) + 1);
    for (std::size_t i = 0; i < shown; ++i)
        out << description(refusals[i], texts);
    if (shown < refusals.size())
        out << texts.text(RefusalTextId::MoreBefore) + u' ' +
                   QString::number(refusals.size() - shown) + u' ' +
                   texts.text(RefusalTextId::MoreAfter);
    return out;
}

} // namespace zyn::TableRefusalText
