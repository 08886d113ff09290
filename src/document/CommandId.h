#pragma once

namespace zyn {

// Every command of the menus, toolbars and shortcuts. A command that has both
// a menu item and a toolbar button is one id, so that the two can never
// disagree about being enabled.
enum class CommandId {
    FileMenu,
    New,
    Open,
    Save,
    SaveAs,
    Import,
    Exit,
    EditMenu,
    CuePaste,
    CueCopy,
    CueSwap,
    CueDelete,
    CueSort,
    ChannelPutCue,
    ChannelCopy,
    ChannelSwap,
    ChannelDelete,
    Undo,
    Redo,
    OutputMenu,
    ChannelList,
    TimeList,
    ExtrasMenu,
    Language,
    Options,
    CheckShow,
    Timeline,
    Soundtrack,
    TransferMenu,
    TransferController,
    TransferDrive,
    VerifyDrive,
    TransferChipCard,
    HelpMenu,
    About,
    ManualStop,
    TimedStop,
    ResetStop,
    TimeShift,
    ChannelClear,
    StepperPutCue,
    StepperCopy,
    StepperSwap,
    StepperDelete,
    ReportClose,
    ReportPrint,
    ReportExport,
    FirstPage,
    PreviousPage,
    NextPage,
    LastPage,
    ReportOptions,
    Count
};

} // namespace zyn
