#pragma once

#include "ShellTextId.h"
#include "check/CheckTextId.h"
#include "transfer/ui/VerifyDriveTextId.h"

#include <array>

namespace zyn::MenuLayout {

// One entry of a menu: an item with its caption text, or a separator (no name).
struct Item {
    const char* name; // the menu item's name; its command key is "key" + name minus "mnukey"
    int text;
};

struct Menu {
    const char* name;
    int text;
    const Item* items;
    int itemCount;
};

inline constexpr Item Separator{nullptr, 0};

inline constexpr Item FileItems[] = {
    {"mnukeyDateiNew", 18},
    {"mnukeyDateiOpen", 19},
    Separator,
    {"mnukeyDateiSave", 20},
    {"mnukeyDateiSaveAs", 21},
    Separator,
    {"mnukeyDateiImport", 23},
    Separator,
    {"mnukeyDateiEnd", 22},
};
inline constexpr Item EditItems[] = {
    {"mnukeyEditCUEPaste", 28},
    {"mnukeyEditCUECopy", 26},
    {"mnukeyEditCUETausch", 27},
    {"mnukeyEditCUEDelete", 25},
    {"mnukeyEditCUESort", 29},
    Separator,
    {"mnukeyEditICCUE", 30},
    {"mnukeyEditICCopy", 31},
    {"mnukeyEditICTausch", 32},
    {"mnukeyEditICDelete", 33},
    Separator,
    {"mnukeyEditUndo", 247},
    {"mnukeyEditRedo", 248},
};
inline constexpr Item OutputItems[] = {
    {"mnukeyAusgabeChannelList", 48}, Separator, {"mnukeyAusgabeTimeList", 49}};
inline constexpr Item ExtraItems[] = {{"mnukeyExtraLanguage", 45},
                                      Separator,
                                      {"mnukeyExtraOptionen", 46},
                                      Separator,
                                      {"mnukeyExtraCheck", CheckTextId::MenuItem}};
inline constexpr Item TransferItems[] = {
    {"mnukeyTransferController", 39},
    Separator,
    {"mnukeyTransferUSBDrive", 40},
    {"mnukeyTransferVerifyDrive", VerifyDriveTextId::MenuItem},
};
inline constexpr Item HelpItems[] = {{"mnukeyHilfeInfo", 43}};

template<size_t N> constexpr Menu menu(const char* name, int text, const Item (&items)[N]) {
    return {name, text, items, static_cast<int>(N)};
}

// The menu bar, left to right.
inline constexpr std::array Menus = {
    menu("mnukeyDatei", 17, FileItems),        menu("mnukeyEdit", 24, EditItems),
    menu("mnukeyAusgabe", 47, OutputItems),    menu("mnukeyExtra", 44, ExtraItems),
    menu("mnukeyTransfer", 38, TransferItems), menu("mnukeyHilfe", 42, HelpItems),
};

// A toolbar button: its key (also the action code it queues), its picture,
// its tooltip text and its state when the main window loads. A key starting
// with "Platzhalter" is a spacer.
struct Button {
    const char* key;
    const char* image;
    int tooltip;
    bool enabled;
    bool shown;
};

inline constexpr std::array EditButtons = {
    Button{"Platzhalter Anfang", "", 0, true, true},
    Button{"SAVE", "SAVE", 50, false, true},
    Button{"CUES_PASTE", "CUE_PASTE", 51, true, true},
    Button{"CUES_COPY", "CUE_COPY", 52, true, true},
    Button{"CUES_TAUSCH", "CUE_TAUSCH", 53, false, true},
    Button{"CUES_DELETE", "CUE_DELETE", 54, true, true},
    Button{"CUES_SORT", "RENUMBER", 119, true, true},
    Button{"Platzhalter", "", 0, true, true},
    Button{"CueStop", "STOP", 63, true, true},
    Button{"CueStopTime", "STOPTIME", 64, true, true},
    Button{"CueStopTimeReset", "STOPTIMERESET", 65, true, true},
    Button{"TimeChangeAll", "CLOCK", 66, true, true},
    Button{"IC_PUTCUE", "IC_PUTCUE", 55, true, true},
    Button{"IC_COPY", "IC_COPY", 56, true, true},
    Button{"IC_TAUSCH", "IC_TAUSCH", 57, false, true},
    Button{"IC_DELETE", "IC_DELETE", 58, true, true},
    // No operation handles IC_CLEAR, and the stepper buttons act on a table
    // without cells: they exist, but are not shown.
    Button{"IC_CLEAR", "", 0, true, false},
    Button{"STEPER_PUTCUE", "", 59, true, false},
    Button{"STEPER_COPY", "", 60, true, false},
    Button{"STEPER_TAUSCH", "", 61, true, false},
    Button{"STEPER_DELETE", "", 62, true, false},
};

inline constexpr std::array ReportButtons = {
    Button{"Platzhalter Anfang", "", 0, true, true},
    Button{"OK", "COMMOK", 67, true, true},
    Button{"Drucken", "Printing", 68, true, true},
    Button{"Platzhalter", "", 0, true, true},
    Button{"EXPORT", "EXPORT", 69, true, true},
    Button{"SEITESTART", "SEITEANFANG", 70, true, true},
    Button{"SEITEVOR", "SEITEVOR", 71, true, true},
    Button{"SEITEWEITER", "SEITEWEITER", 72, true, true},
    Button{"SEITEENDE", "SEITEENDE", 73, true, true},
    Button{"REPORT_OPTIONEN", "EDIT", ShellTextId::ReportOptionsTooltip, true, true},
};

} // namespace zyn::MenuLayout
