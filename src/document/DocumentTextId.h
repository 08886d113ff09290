#pragma once

namespace zyn::DocumentTextId {

// The name a show without a file goes by in the window title.
enum : int {
    UntitledShow = 155,
};

} // namespace zyn::DocumentTextId
