#include "LanguageSource.h"

#include "show/ScrambledField.h"

namespace zyn::LanguageSource {

namespace {

QString lineError(int line, const QString& what) {
    return QStringLiteral("line %1: %2").arg(line).arg(what);
}

} // namespace

ParseResult parse(const QByteArray& utf8) {
    const QString content = QString::fromUtf8(utf8);
    const QStringList lines = content.split(u'\n');
    QStringList texts{QString()};
    for (qsizetype i = 0; i < lines.size(); ++i) {
        const int lineNumber = static_cast<int>(i) + 1;
        const QString line = lines[i].trimmed();
        if (line.isEmpty() || line.startsWith(u'#'))
            continue;
        const qsizetype equals = line.indexOf(u'=');
        bool isNumber = false;
        const int number = equals < 0 ? 0 : line.left(equals).trimmed().toInt(&isNumber);
        if (!isNumber || number < 1 || number > MaxTextNumber)
            return {{}, lineError(lineNumber, QStringLiteral("expected \"number = text\""))};
        if (number < texts.size())
            return {{},
                    lineError(lineNumber, QStringLiteral("text %1 is out of order or "
                                                         "repeated")
                                              .arg(number))};
        const QString text = line.mid(equals + 1).trimmed();
        const qsizetype bad = ScrambledField::firstUnstorable(text);
        if (bad >= 0)
            return {
                {},
                lineError(lineNumber, QStringLiteral("the character U+%1 cannot be "
                                                     "stored in a language file")
                                          .arg(int(text[bad].unicode()), 4, 16, QLatin1Char('0')))};
        while (texts.size() < number)
            texts.append(QString());
        texts.append(text);
    }
    return {LanguageTexts(texts), QString()};
}

QByteArray write(const LanguageTexts& texts, const QString& languageName) {
    QString out = QStringLiteral("# ZYN K5 language texts: %1\n"
                                 "# One text per line: number = text. Lines starting with # "
                                 "are comments.\n\n")
                      .arg(languageName);
    for (int n = 1; n <= texts.count(); ++n) {
        if (!texts.text(n).isEmpty())
            out += QString::number(n) + QStringLiteral(" = ") + texts.text(n) + u'\n';
    }
    return out.toUtf8();
}

} // namespace zyn::LanguageSource
