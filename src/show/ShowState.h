#pragma once

#include "ShowMode.h"

#include <QString>

namespace zyn {

// The state values every part of the program shares with the show tables.
struct ShowState {
    bool ShowChanged = false; // changed since created, loaded or saved
    bool SortPending = false; // times or the cue list changed since the last sort
    qint16 ShowMode = TimeCodedShow;
    bool InputActive = false; // an editor input box is open: commands are ignored
    QString PendingCommand;   // single slot from the dispatcher to a window timer
    QString ProjectPath;      // "" for a show that has no file yet

    friend bool operator==(const ShowState&, const ShowState&) = default;
};

} // namespace zyn
