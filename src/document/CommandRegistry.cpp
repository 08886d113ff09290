#include "CommandRegistry.h"

#include "check/CheckTextId.h"

#include <array>

namespace zyn::CommandRegistry {

namespace {

using enum CommandId;
constexpr QKeyCombination NoKey{};
constexpr int VerifyDriveMenuText = 420;
constexpr int ReportOptionsTooltip = 350;
constexpr int SoundtrackMenuText = 470;
constexpr int TimelineMenuText = 471;

// A menu or menu item: its name, its command key and caption.
constexpr Command menuItem(CommandId id, const char* name, const char* key, int text,
                           QKeyCombination shortcut = NoKey, bool enabled = true) {
    return {id, name, key, nullptr, nullptr, text, 0, "", shortcut, enabled, true};
}

// A menu item that has a toolbar button too.
constexpr Command withButton(CommandId id, const char* name, const char* key, int text,
                             const char* button, const char* icon, int tooltip,
                             bool enabled = true) {
    return {id, name, key, button, button, text, tooltip, icon, NoKey, enabled, true};
}

// A toolbar button alone; `code` is what it queues.
constexpr Command button(CommandId id, const char* name, const char* code, const char* icon,
                         int tooltip, bool shown = true) {
    return {id, nullptr, nullptr, name, code, 0, tooltip, icon, NoKey, true, shown};
}

// In the order of CommandId.
constexpr std::array<Command, size_t(CommandId::Count)> Commands = {{
    menuItem(FileMenu, "mnukeyDatei", nullptr, 17),
    menuItem(New, "mnukeyDateiNew", "keyDateiNew", 18, Qt::CTRL | Qt::Key_N),
    menuItem(Open, "mnukeyDateiOpen", "keyDateiOpen", 19, Qt::CTRL | Qt::Key_O),
    {Save, "mnukeyDateiSave", "keyDateiSave", "SAVE", "SAVE", 20, 50, "SAVE", Qt::CTRL | Qt::Key_S,
     false, true},
    menuItem(SaveAs, "mnukeyDateiSaveAs", "keyDateiSaveAs", 21, Qt::CTRL | Qt::SHIFT | Qt::Key_S),
    menuItem(Import, "mnukeyDateiImport", "keyDateiImport", 23),
    menuItem(Exit, "mnukeyDateiEnd", "keyDateiEnd", 22, Qt::CTRL | Qt::Key_Q),
    menuItem(EditMenu, "mnukeyEdit", nullptr, 24),
    withButton(CuePaste, "mnukeyEditCUEPaste", "keyEditCUEPaste", 28, "CUES_PASTE", "CUE_PASTE",
               51),
    withButton(CueCopy, "mnukeyEditCUECopy", "keyEditCUECopy", 26, "CUES_COPY", "CUE_COPY", 52),
    withButton(CueSwap, "mnukeyEditCUETausch", "keyEditCUETausch", 27, "CUES_TAUSCH", "CUE_TAUSCH",
               53, false),
    withButton(CueDelete, "mnukeyEditCUEDelete", "keyEditCUEDelete", 25, "CUES_DELETE",
               "CUE_DELETE", 54),
    withButton(CueSort, "mnukeyEditCUESort", "keyEditCUESort", 29, "CUES_SORT", "RENUMBER", 119),
    withButton(ChannelPutCue, "mnukeyEditICCUE", "keyEditICCUE", 30, "IC_PUTCUE", "IC_PUTCUE", 55),
    withButton(ChannelCopy, "mnukeyEditICCopy", "keyEditICCopy", 31, "IC_COPY", "IC_COPY", 56),
    withButton(ChannelSwap, "mnukeyEditICTausch", "keyEditICTausch", 32, "IC_TAUSCH", "IC_TAUSCH",
               57, false),
    withButton(ChannelDelete, "mnukeyEditICDelete", "keyEditICDelete", 33, "IC_DELETE", "IC_DELETE",
               58),
    menuItem(Undo, "mnukeyEditUndo", "keyEditUndo", 247, Qt::CTRL | Qt::Key_Z, false),
    menuItem(Redo, "mnukeyEditRedo", "keyEditRedo", 248, Qt::CTRL | Qt::Key_Y, false),
    menuItem(OutputMenu, "mnukeyAusgabe", nullptr, 47),
    menuItem(ChannelList, "mnukeyAusgabeChannelList", "keyAusgabeChannelList", 48),
    menuItem(TimeList, "mnukeyAusgabeTimeList", "keyAusgabeTimeList", 49),
    menuItem(ExtrasMenu, "mnukeyExtra", nullptr, 44),
    menuItem(Language, "mnukeyExtraLanguage", "keyExtraLanguage", 45),
    menuItem(Options, "mnukeyExtraOptionen", "keyExtraOptionen", 46),
    menuItem(CheckShow, "mnukeyExtraCheck", "keyExtraCheck", CheckTextId::MenuItem),
    menuItem(Timeline, "mnukeyExtraTimeline", "keyExtraTimeline", TimelineMenuText),
    menuItem(Soundtrack, "mnukeyExtraSoundtrack", "keyExtraSoundtrack", SoundtrackMenuText),
    menuItem(TransferMenu, "mnukeyTransfer", nullptr, 38),
    menuItem(TransferController, "mnukeyTransferController", "keyTransferController", 39),
    menuItem(TransferDrive, "mnukeyTransferUSBDrive", "keyTransferUSBDrive", 40),
    menuItem(VerifyDrive, "mnukeyTransferVerifyDrive", "keyTransferVerifyDrive",
             VerifyDriveMenuText),
    // No menu item: the shortcut alone sends the command.
    {TransferChipCard, nullptr, "keyTransferPCMKarte", nullptr, nullptr, 0, 0, "",
     Qt::CTRL | Qt::SHIFT | Qt::Key_K, true, false},
    menuItem(HelpMenu, "mnukeyHilfe", nullptr, 42),
    menuItem(About, "mnukeyHilfeInfo", "keyHilfeInfo", 43),
    button(ManualStop, "CueStop", "CueStop", "STOP", 63),
    button(TimedStop, "CueStopTime", "CueStopTime", "STOPTIME", 64),
    button(ResetStop, "CueStopTimeReset", "CueStopTimeReset", "STOPTIMERESET", 65),
    button(TimeShift, "TimeChangeAll", "TimeChangeAll", "CLOCK", 66),
    // No operation handles IC_CLEAR, and the stepper buttons act on a table
    // without cells: they exist, but are not shown.
    button(ChannelClear, "IC_CLEAR", "IC_CLEAR", "", 0, false),
    button(StepperPutCue, "STEPER_PUTCUE", "STEPER_PUTCUE", "", 59, false),
    button(StepperCopy, "STEPER_COPY", "STEPER_COPY", "", 60, false),
    button(StepperSwap, "STEPER_TAUSCH", "STEPER_TAUSCH", "", 61, false),
    button(StepperDelete, "STEPER_DELETE", "STEPER_DELETE", "", 62, false),
    button(ReportClose, "OK", "REPORT_CLOSE", "COMMOK", 67),
    button(ReportPrint, "Drucken", "REPORT_PRINT", "Printing", 68),
    button(ReportExport, "EXPORT", "REPORT_EXPORT", "EXPORT", 69),
    button(FirstPage, "SEITESTART", "REPORT_SEITESTART", "SEITEANFANG", 70),
    button(PreviousPage, "SEITEVOR", "REPORT_SEITEVOR", "SEITEVOR", 71),
    button(NextPage, "SEITEWEITER", "REPORT_SEITEWEITER", "SEITEWEITER", 72),
    button(LastPage, "SEITEENDE", "REPORT_ENDE", "SEITEENDE", 73),
    button(ReportOptions, "REPORT_OPTIONEN", "REPORT_OPTIONEN", "EDIT", ReportOptionsTooltip),
}};

constexpr bool inIdOrder() {
    for (size_t i = 0; i < Commands.size(); ++i) {
        if (size_t(Commands[i].id) != i)
            return false;
    }
    return true;
}
static_assert(inIdOrder(), "the command table must list the commands in the order of CommandId");

constexpr CommandId FileItems[] = {New,       Open,   Separator, Save, SaveAs,
                                   Separator, Import, Separator, Exit};
constexpr CommandId EditItems[] = {
    CuePaste,    CueCopy,     CueSwap,       CueDelete, CueSort, Separator, ChannelPutCue,
    ChannelCopy, ChannelSwap, ChannelDelete, Separator, Undo,    Redo};
constexpr CommandId OutputItems[] = {ChannelList, Separator, TimeList};
constexpr CommandId ExtraItems[] = {Language,  Separator, Options,  Separator,
                                    CheckShow, Separator, Timeline, Soundtrack};
constexpr CommandId TransferItems[] = {TransferController, Separator, TransferDrive, VerifyDrive};
constexpr CommandId HelpItems[] = {About};

constexpr Menu Menus[] = {
    {FileMenu, FileItems},    {EditMenu, EditItems},         {OutputMenu, OutputItems},
    {ExtrasMenu, ExtraItems}, {TransferMenu, TransferItems}, {HelpMenu, HelpItems},
};

constexpr CommandId EditButtons[] = {
    Separator,     Save,        CuePaste,      CueCopy,       CueSwap,      CueDelete,
    CueSort,       Separator,   ManualStop,    TimedStop,     ResetStop,    TimeShift,
    ChannelPutCue, ChannelCopy, ChannelSwap,   ChannelDelete, ChannelClear, StepperPutCue,
    StepperCopy,   StepperSwap, StepperDelete,
};
constexpr CommandId ReportButtons[] = {Separator,    ReportClose,  ReportPrint,  Separator,
                                       ReportExport, FirstPage,    PreviousPage, NextPage,
                                       LastPage,     ReportOptions};

} // namespace

const Command& command(CommandId id) {
    return Commands[size_t(id)];
}

std::span<const Command> all() {
    return Commands;
}

std::span<const Menu> menus() {
    return Menus;
}

std::span<const CommandId> editButtons() {
    return EditButtons;
}

std::span<const CommandId> reportButtons() {
    return ReportButtons;
}

} // namespace zyn::CommandRegistry
