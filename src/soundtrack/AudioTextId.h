#pragma once

namespace zyn::AudioTextId {

// Language texts of reading a soundtrack's audio file.
enum : int {
    FileMissing = 460,
    UnsupportedFormat = 461,
    DamagedFile = 462,
    FileUnreadable = 463,
};

} // namespace zyn::AudioTextId
