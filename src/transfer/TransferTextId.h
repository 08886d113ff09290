#pragma once

namespace zyn::TransferTextId {

// Language texts of the serial transfer and the drive export.
enum : int {
    CloseButton = 76,
    PortLabel = 157,
    NoPortFound = 158,
    TransferSucceeded = 159,
    NoControllerFound = 160,
    TransferFailed = 161,
    SerialDescription = 163,
    TransferNote = 164,
    SerialCaption = 165,
    DriveCaption = 173,
    DriveDescription = 174,
    LastDriveLabel = 175,
    LastDriveMissing = 176,
};

} // namespace zyn::TransferTextId
