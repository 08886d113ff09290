#pragma once

#include <QColor>
#include <QtGlobal>

namespace zyn::ColourValue {

// Colours as the configuration stores them: 0x00BBGGRR for a colour of its
// own, or a system colour with the top bit set (0x80000005 is the window
// background behind text, which is what input boxes show by default).
QColor toColour(qint32 value);
qint32 fromColour(const QColor& colour);

} // namespace zyn::ColourValue
