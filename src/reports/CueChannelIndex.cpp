#include "CueChannelIndex.h"

#include "show/IcTable.h"
#include "show/NumericText.h"
#include "show/ShowLimits.h"

namespace zyn {

CueChannelIndex::CueChannelIndex(const IcTable& ics) {
    for (int s = 1; s <= MaxSlaves; ++s) {
        for (int c = 1; c <= ChannelsPerSlave; ++c) {
            const QString& cell = ics.cell(s, c);
            if (cell.isEmpty() || cell.startsWith(u'K'))
                continue;
            Item item{s, c, false, {}};
            const qsizetype dash = cell.indexOf(u'-');
            if (dash >= 0) {
                const qsizetype next = cell.indexOf(u'-', dash + 1);
                item.hasLevel = true;
                item.level = cell.mid(dash + 1, next < 0 ? -1 : next - dash - 1);
            }
            // + 0.0 folds a negative zero into the key of zero.
            m_items[NumericText::leadingValue(cell) + 0.0].push_back(std::move(item));
        }
    }
}

QString CueChannelIndex::sb_Report_Datenblatt_ZeitListe_Kodierung(double cueNumber,
                                                                  bool withLevels) const {
    QString text;
    const auto found = m_items.find(cueNumber + 0.0);
    if (found == m_items.end())
        return text;
    for (const Item& item : found->second) {
        text += QString::number(item.slave) + u'-' + QString::number(item.channel);
        if (withLevels && item.hasLevel)
            text += u'-' + item.level;
        text += u' ';
    }
    return text;
}

} // namespace zyn
