#pragma once

#include <QString>
#include <map>
#include <vector>

namespace zyn {

class IcTable;

// Which channels fire with which cue, read once from the IC table so that
// listing the channels of every cue costs one look-up per cue rather than a
// pass over all 3200 cells per cue.
//
// A cell belongs to the cue whose number equals the cell's leading numeric
// value ("12-2" belongs to cue 12). Free channels and key assignments belong
// to no cue.
class CueChannelIndex {
public:
    explicit CueChannelIndex(const IcTable& ics);

    // sb_Report_Datenblatt_ZeitListe_Kodierung: the channels of the cue,
    // slave by slave and channel by channel, each as "slave-channel" and
    // followed by one blank. With levels, a cell that carries a "-" adds
    // "-" and the text after its first "-": "3-5 3-6-2 ".
    QString sb_Report_Datenblatt_ZeitListe_Kodierung(double cueNumber, bool withLevels) const;

private:
    struct Item {
        int slave = 0;
        int channel = 0;
        bool hasLevel = false;
        QString level; // the cell's second "-"-separated part, as stored
    };

    std::map<double, std::vector<Item>> m_items;
};

} // namespace zyn
