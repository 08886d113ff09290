#include "Assignment.h"

#include "NumericText.h"

namespace zyn {

namespace {

QString withLevel(QString text, std::optional<int> level) {
    if (level)
        text += u'-' + QString::number(*level);
    return text;
}

} // namespace

Assignment Assignment::parse(const QString& cell) {
    Assignment result;
    if (cell.isEmpty())
        return result;
    const bool isKey = cell.startsWith(u'K');
    result.kind = isKey ? Kind::Key : Kind::Cue;
    result.number = NumericText::leadingValue(QStringView(cell).mid(isKey ? 1 : 0));
    const qsizetype dash = cell.indexOf(u'-');
    if (dash >= 0)
        result.level = NumericText::leadingValue(QStringView(cell).mid(dash + 1));
    return result;
}

QString Assignment::cueText(int cue, std::optional<int> level) {
    return withLevel(QString::number(cue), level);
}

QString Assignment::keyText(int key, std::optional<int> level) {
    return withLevel(QStringLiteral("K ") + QString::number(key), level);
}

} // namespace zyn
