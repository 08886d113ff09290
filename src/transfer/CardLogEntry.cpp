#include "CardLogEntry.h"

#include "CardStatus.h"
#include "settings/LanguageTexts.h"
#include "verify/PlanDifferenceText.h"

namespace zyn {

namespace {

const QString SectionDone = QStringLiteral("......");

} // namespace

QString CardLogEntry::errorLine(quint32 status, const QString& readerText) {
    return QStringLiteral("ERROR: ") + CardStatus::hex(status) + u' ' + readerText;
}

QString CardLogEntry::piece(const LanguageTexts& texts, bool logEmpty) const {
    const QString newLine = logEmpty ? QString() : QStringLiteral("\n");
    switch (kind) {
    case Kind::Section:
        return newLine + texts.text(text);
    case Kind::Done:
        return SectionDone;
    case Kind::Error:
        return newLine + errorLine(status, readerText);
    case Kind::Result:
        return newLine + texts.text(text) +
               (number >= 0 ? u' ' + QString::number(number) : QString());
    case Kind::Difference:
        return newLine + PlanDifferenceText::description(difference, texts);
    }
    return {};
}

} // namespace zyn
