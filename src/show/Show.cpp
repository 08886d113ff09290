#include "Show.h"

namespace zyn {

void Show::clearForTimeCodedShow() {
    clearTables(QString());
    state.ShowMode = TimeCodedShow;
}

void Show::clearForManualShow() {
    clearTables(QStringLiteral("00:00:00:00"));
    state.ShowMode = ManualShow;
}

void Show::clearTables(const QString& timeText) {
    cues.clear(timeText);
    ics.clear();
    steppers.clear();
    state.ShowChanged = false;
    state.SortPending = false;
}

} // namespace zyn
