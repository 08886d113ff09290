#pragma once

namespace zyn::TransferDialogTextId {

// Language texts of the drive dialog beyond the transfer's own.
enum : int {
    WriteButton = 263,
    NoDriveAvailable = 264,
};

} // namespace zyn::TransferDialogTextId
