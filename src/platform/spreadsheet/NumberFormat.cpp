#include "NumberFormat.h"

namespace zyn::NumberFormat {

namespace {

struct Tokens {
    bool date = false;    // y or d
    bool month = false;   // m, which may yet turn out to be minutes
    bool time = false;    // h, s or an AM/PM marker
    bool elapsed = false; // [h], [m] or [s]
};

bool startsWithNoCase(QStringView text, qsizetype at, QStringView word) {
    return text.mid(at, word.size()).compare(word, Qt::CaseInsensitive) == 0;
}

// Index just past the bracketed part that starts at `open`; records the
// elapsed-time markers, skips colours, conditions and locale tags.
qsizetype skipBracket(QStringView code, qsizetype open, Tokens& tokens) {
    const qsizetype close = code.indexOf(u']', open);
    if (close < 0)
        return code.size();
    const QStringView inner = code.mid(open + 1, close - open - 1);
    const QChar first = inner.isEmpty() ? QChar() : inner[0].toLower();
    bool uniform = !inner.isEmpty() && (first == u'h' || first == u'm' || first == u's');
    for (const QChar c : inner)
        uniform = uniform && c.toLower() == first;
    if (uniform) {
        tokens.elapsed = true;
        tokens.time = true;
    }
    return close + 1;
}

Tokens scan(QStringView code) {
    Tokens tokens;
    for (qsizetype i = 0; i < code.size();) {
        const QChar c = code[i].toLower();
        if (c == u';')
            break; // only the first section: the one for positive numbers
        if (c == u'"') {
            const qsizetype close = code.indexOf(u'"', i + 1);
            i = close < 0 ? code.size() : close + 1;
        } else if (c == u'\\' || c == u'_' || c == u'*') {
            i += 2;
        } else if (c == u'[') {
            i = skipBracket(code, i, tokens);
        } else if (startsWithNoCase(code, i, u"am/pm") || startsWithNoCase(code, i, u"a/p")) {
            tokens.time = true;
            i += startsWithNoCase(code, i, u"am/pm") ? 5 : 3;
        } else if (startsWithNoCase(code, i, u"general")) {
            i += 7;
        } else {
            tokens.date = tokens.date || c == u'y' || c == u'd';
            tokens.month = tokens.month || c == u'm';
            tokens.time = tokens.time || c == u'h' || c == u's';
            ++i;
        }
    }
    return tokens;
}

} // namespace

ValueDisplay fromCode(QStringView code) {
    const Tokens tokens = scan(code);
    const bool date = tokens.date || (tokens.month && !tokens.time);
    if (date)
        return tokens.time ? ValueDisplay::DateTime : ValueDisplay::Date;
    if (tokens.time)
        return tokens.elapsed ? ValueDisplay::ElapsedTime : ValueDisplay::Time;
    return ValueDisplay::Number;
}

ValueDisplay fromBuiltinId(int id) {
    if ((id >= 14 && id <= 17) || (id >= 27 && id <= 36) || (id >= 50 && id <= 58))
        return ValueDisplay::Date;
    if (id == 22)
        return ValueDisplay::DateTime;
    if ((id >= 18 && id <= 21) || id == 45 || id == 47)
        return ValueDisplay::Time;
    if (id == 46)
        return ValueDisplay::ElapsedTime;
    return ValueDisplay::Number;
}

} // namespace zyn::NumberFormat
