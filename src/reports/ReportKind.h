#pragma once

#include <QtGlobal>

namespace zyn {

// Values of the main window's ReportKind: which report the report window
// shows. Any other value means that no report window is open.
enum ReportKindValue : qint16 {
    NoReport = 0,
    ChannelListReport = 200,
    TimeListReport = 201,
};

} // namespace zyn
