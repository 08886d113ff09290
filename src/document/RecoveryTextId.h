#pragma once

namespace zyn::RecoveryTextId {

// Texts of the recovery copy: the offer at the start, the mark of a restored
// show in the title and the reports of a copy that failed.
enum : int {
    AbnormalEnd = 320,
    RestoreQuestion = 321,
    ShowLabel = 322,
    WrittenLabel = 323,
    RestoredMark = 324,
    CannotWrite = 325,
    DamagedCopyKept = 326,
};

} // namespace zyn::RecoveryTextId
