#pragma once

namespace zyn::VerifyDriveTextId {

// Language texts of the dialog that checks the table file on a drive.
enum : int {
    MenuItem = 420,
    Caption = 421,
    Description = 422,
    VerifyButton = 423,
    Equal = 424,
    Differs = 425,
    Missing = 426,
    Unreadable = 427,
    Damaged = 428,
};

} // namespace zyn::VerifyDriveTextId
