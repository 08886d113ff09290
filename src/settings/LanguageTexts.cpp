#include "LanguageTexts.h"

#include "TextId.h"

namespace zyn {

LanguageTexts::LanguageTexts(QStringList texts) : m_texts(std::move(texts)) {
    if (m_texts.isEmpty())
        m_texts.append(QString());
    m_texts[0].clear();
}

QString LanguageTexts::text(int number) const {
    if (number < 1 || number >= m_texts.size())
        return {};
    return m_texts[number];
}

StopLabels LanguageTexts::stopLabels() const {
    return {text(TextId::StopLabel), text(TextId::TimedStopLabel), text(TextId::ResetStopLabel)};
}

} // namespace zyn
