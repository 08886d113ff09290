#include "CellName.h"

namespace zyn::CellName {

std::optional<CellPosition> parse(QStringView name) {
    qsizetype i = 0;
    int column = 0;
    for (; i < name.size() && i < 4; ++i) {
        const char16_t c = QChar::toUpper(name[i].unicode());
        if (c < u'A' || c > u'Z')
            break;
        column = column * 26 + (c - u'A' + 1);
    }
    if (i == 0 || i > 3 || column > MaxColumns)
        return std::nullopt;
    const qsizetype digitsStart = i;
    qint64 row = 0;
    for (; i < name.size(); ++i) {
        const char16_t c = name[i].unicode();
        if (c < u'0' || c > u'9' || i - digitsStart >= 7)
            return std::nullopt;
        row = row * 10 + (c - u'0');
    }
    if (i == digitsStart || row < 1 || row > MaxRows)
        return std::nullopt;
    return CellPosition{int(row - 1), column - 1};
}

} // namespace zyn::CellName
