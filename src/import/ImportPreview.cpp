#include "ImportPreview.h"

#include "ImportTextId.h"
#include "settings/LanguageTexts.h"

namespace zyn {

QStringList ImportPreview::headerTexts(const LanguageTexts& texts) {
    return {texts.text(ImportTextId::HeaderTime), texts.text(ImportTextId::HeaderDescription),
            texts.text(ImportTextId::HeaderModule), texts.text(ImportTextId::HeaderChannel),
            texts.text(ImportTextId::HeaderSecurity)};
}

QString ImportPreview::cellText(int gridRow, int column) const {
    if (gridRow < 1 || gridRow >= RowsUsed())
        return {};
    const ImportRow& row = m_rows[gridRow - 1];
    switch (column) {
    case 0:
        return row.time;
    case 1:
        return row.description;
    case 2:
        return row.module;
    case 3:
        return row.channel;
    case 4:
        return row.security;
    default:
        return {};
    }
}

void ImportPreview::removeRow(int gridRow) {
    if (gridRow >= 1 && gridRow < RowsUsed())
        m_rows.removeAt(gridRow - 1);
}

} // namespace zyn
