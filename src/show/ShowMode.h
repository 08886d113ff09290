#pragma once

#include <QtGlobal>

namespace zyn {

// Values of ShowState::ShowMode. OpenProject is only the start dialog's
// request; a loaded project replaces it with the stored mode.
enum ShowModeValue : qint16 {
    TimeCodedShow = 1,
    ManualShow = 2,
    OpenProject = 3,
};

} // namespace zyn
