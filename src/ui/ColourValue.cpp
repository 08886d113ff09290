#include "ColourValue.h"

#include <QApplication>
#include <QPalette>

namespace zyn::ColourValue {

QColor toColour(qint32 value) {
    const auto bits = static_cast<quint32>(value);
    if (bits & 0x80000000u) {
        const QPalette palette = QApplication::palette();
        switch (bits & 0xFFu) {
        case 5: // window background
            return palette.color(QPalette::Base);
        case 8: // window text
            return palette.color(QPalette::Text);
        case 15: // button face
            return palette.color(QPalette::Button);
        default:
            return palette.color(QPalette::Window);
        }
    }
    return QColor(int(bits & 0xFFu), int((bits >> 8) & 0xFFu), int((bits >> 16) & 0xFFu));
}

qint32 fromColour(const QColor& colour) {
    const QColor rgb = colour.toRgb();
    return qint32(quint32(rgb.red()) | (quint32(rgb.green()) << 8) | (quint32(rgb.blue()) << 16));
}

} // namespace zyn::ColourValue
