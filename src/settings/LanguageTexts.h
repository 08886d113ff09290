#pragma once

#include "show/StopLabels.h"

#include <QStringList>

namespace zyn {

// LanguageTexts: the user-visible texts of the current language. Entry 0 is
// always empty; a number the language file does not reach gives "".
class LanguageTexts {
public:
    LanguageTexts() : m_texts{QString()} {}
    // Texts indexed by number; entry 0 is ignored and kept empty.
    explicit LanguageTexts(QStringList texts);

    QString text(int number) const;
    // Highest number the language has.
    int count() const { return static_cast<int>(m_texts.size()) - 1; }
    // The list indexed by number, entry 0 empty.
    const QStringList& all() const { return m_texts; }

    StopLabels stopLabels() const;

private:
    QStringList m_texts;
};

} // namespace zyn
