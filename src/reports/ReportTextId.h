#pragma once

namespace zyn::ReportTextId {

// Numbers of the language texts the reports ask for by name; the column
// headings shared with the editor grids are in settings/TextId.h.
enum : int {
    ChannelListTitle = 209,
    TimeListTitle = 210,
    DateLabel = 211,
    PageLabel = 212,
    ItemSlave = 213,
    ItemChannel = 214,
    ItemLevel = 215,
    PreparingData = 216,
    Exporting = 218,
};

} // namespace zyn::ReportTextId
