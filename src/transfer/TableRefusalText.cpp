#include "TableRefusalText.h"

#include "RefusalTextId.h"
#include "settings/FileErrorText.h"
#include "settings/LanguageTexts.h"

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

} // namespace zyn::TableRefusalText
