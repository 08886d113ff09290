#include "GridKeyMap.h"

#include <QGuiApplication>
#include <QKeyEvent>

namespace zyn {

namespace {

bool isEnter(const QKeyEvent& key) {
    return key.key() == Qt::Key_Return || key.key() == Qt::Key_Enter;
}

// Keycodes of the digit row, keys 1 to 9 then 0, on platforms that report
// XKB keycodes.
constexpr quint32 FirstDigitRowKeycode = 10;
constexpr quint32 LastDigitRowKeycode = 19;

bool reportsXkbKeycodes() {
    const QString platform = QGuiApplication::platformName();
    return platform == u"xcb" || platform == u"wayland";
}

Qt::KeyboardModifiers modifiers(const QKeyEvent& key) {
    return key.modifiers() & (Qt::ShiftModifier | Qt::ControlModifier | Qt::AltModifier);
}

bool ctrl(const QKeyEvent& key) {
    return modifiers(key) == Qt::ControlModifier;
}
bool shift(const QKeyEvent& key) {
    return modifiers(key) == Qt::ShiftModifier;
}
bool plain(const QKeyEvent& key) {
    return modifiers(key) == Qt::NoModifier;
}

bool isCopy(const QKeyEvent& key) {
    return ctrl(key) && (key.key() == Qt::Key_C || key.key() == Qt::Key_Insert);
}

bool isSwap(const QKeyEvent& key) {
    return (ctrl(key) && key.key() == Qt::Key_V) || (shift(key) && key.key() == Qt::Key_Insert);
}

// The letter a key types, when it types exactly one letter.
QString typedLetter(const QKeyEvent& key) {
    const QString text = key.text();
    return text.size() == 1 && text[0].isLetter() ? text : QString();
}

} // namespace

GridKeyMap::GridKeyMap(QObject* parent) : QObject(parent), m_xkbKeycodes(reportsXkbKeycodes()) {}

// A digit-row key is known by its place: the layout decides what it prints
// (Shift+7 is "&" on a US keyboard and "/" on a German one, the unshifted key
// "è" on a French one), and in the grids it always stands for its digit.
// Elsewhere, and for the keypad, the key's own value says.
int GridKeyMap::digitOf(const QKeyEvent& key) const {
    const quint32 keycode = key.nativeScanCode();
    if (m_xkbKeycodes && !(key.modifiers() & Qt::KeypadModifier) &&
        keycode >= FirstDigitRowKeycode && keycode <= LastDigitRowKeycode)
        return static_cast<int>(keycode - FirstDigitRowKeycode + 1) % 10;
    if (key.key() >= Qt::Key_0 && key.key() <= Qt::Key_9)
        return key.key() - Qt::Key_0;
    return -1;
}

void GridKeyMap::watch(QObject* grid, Grid kind) {
    m_grids.insert(grid, kind);
    grid->installEventFilter(this);
}

void GridKeyMap::emitAction(Grid grid, Action act, int level, const QString& text) {
    emit action(grid, act, level, text);
}

bool GridKeyMap::eventFilter(QObject* watched, QEvent* event) {
    const auto grid = m_grids.constFind(watched);
    if (grid == m_grids.constEnd())
        return false;
    const QEvent::Type type = event->type();
    if (type != QEvent::KeyPress && type != QEvent::KeyRelease)
        return false;
    if (ignoreNextKey) {
        ignoreNextKey = false;
        return true;
    }
    const auto& key = static_cast<const QKeyEvent&>(*event);
    const bool press = type == QEvent::KeyPress;
    switch (*grid) {
    case Grid::Cues:
        return press ? cueKeyPress(key) : cueKeyRelease(key);
    case Grid::Channels:
        return press ? channelKeyPress(key) : channelKeyRelease(key);
    case Grid::Steppers:
        // Every stepper key acts on release; their presses must not move the grid.
        return press ? (isEnter(key) || key.key() == Qt::Key_Delete || key.key() == Qt::Key_Insert)
                     : stepperKeyRelease(key);
    }
    return false;
}

bool GridKeyMap::cueKeyPress(const QKeyEvent& key) {
    const Grid g = Grid::Cues;
    if (isCopy(key)) {
        emitAction(g, Action::Copy);
        return true;
    }
    if (isSwap(key)) {
        emitAction(g, Action::Swap);
        return true;
    }
    switch (key.key()) {
    case Qt::Key_Right:
        if (plain(key))
            emitAction(g, Action::MoveToDescription);
        return plain(key);
    case Qt::Key_Left:
        if (plain(key))
            emitAction(g, Action::MoveToTime);
        return plain(key);
    case Qt::Key_Space:
        return true;
    case Qt::Key_Insert:
        if (plain(key))
            emitAction(g, Action::InsertCue);
        return true;
    case Qt::Key_Delete:
        emitAction(g, Action::Delete);
        return true;
    case Qt::Key_Backspace:
        emitAction(g, Action::DeleteCueChannels);
        return true;
    case Qt::Key_Return:
    case Qt::Key_Enter:
        return true; // acts on release
    default:
        break;
    }
    if (const int digit = digitOf(key); digit >= 0) {
        const bool typed = plain(key) || (key.modifiers() & Qt::KeypadModifier);
        emitAction(g, Action::OpenBox, 0, typed && !ctrl(key) ? QString::number(digit) : QString());
        return true;
    }
    if (key.key() >= Qt::Key_A && key.key() <= Qt::Key_Z && ctrl(key)) {
        emitAction(g, Action::OpenBox);
        return true;
    }
    const QString letter = typedLetter(key);
    if (!letter.isEmpty() && !(key.modifiers() & (Qt::ControlModifier | Qt::AltModifier))) {
        emitAction(g, Action::OpenBox, 0, shift(key) ? letter.toUpper() : letter);
        return true;
    }
    return false;
}

bool GridKeyMap::cueKeyRelease(const QKeyEvent& key) {
    if (!isEnter(key) || key.isAutoRepeat())
        return false;
    emitAction(Grid::Cues, shift(key) ? Action::InsertCue : Action::OpenBox);
    return true;
}

bool GridKeyMap::functionKey(Grid grid, const QKeyEvent& key) {
    const int k = key.key();
    int level = -1;
    if (k >= Qt::Key_F1 && k <= Qt::Key_F10)
        level = k - Qt::Key_F1 + 1;
    else if (k == Qt::Key_F12)
        level = 0;
    if (level < 0)
        return false;
    if (timeCodedShow)
        emitAction(grid, Action::SecurityLevel, level);
    return true;
}

bool GridKeyMap::channelKeyPress(const QKeyEvent& key) {
    const Grid g = Grid::Channels;
    if (functionKey(g, key))
        return true;
    if (isCopy(key)) {
        emitAction(g, Action::Copy);
        return true;
    }
    if (isSwap(key)) {
        emitAction(g, Action::Swap);
        return true;
    }
    if (key.key() == Qt::Key_K && !(key.modifiers() & (Qt::ControlModifier | Qt::AltModifier))) {
        if (timeCodedShow)
            emitAction(g, Action::KeyDialog);
        return true;
    }
    if (key.key() == Qt::Key_Delete) {
        emitAction(g, Action::Delete);
        return true;
    }
    if (isEnter(key) || key.key() == Qt::Key_Space)
        return true; // Enter acts on release
    if (const int digit = digitOf(key); digit >= 0) {
        emitAction(g, Action::OpenBox, 0, ctrl(key) ? QString() : QString::number(digit));
        return true;
    }
    return false;
}

bool GridKeyMap::channelKeyRelease(const QKeyEvent& key) {
    if (!isEnter(key) || key.isAutoRepeat())
        return false;
    emitAction(Grid::Channels, plain(key) ? Action::EnterCell : Action::PutCue);
    return true;
}

bool GridKeyMap::stepperKeyRelease(const QKeyEvent& key) {
    const Grid g = Grid::Steppers;
    if (key.isAutoRepeat())
        return false;
    if (functionKey(g, key))
        return true;
    if (isEnter(key)) {
        emitAction(g, plain(key) ? Action::OpenBox : Action::PutCue);
        return true;
    }
    if (const int digit = digitOf(key); digit >= 0) {
        emitAction(g, Action::OpenBox, 0, QString::number(digit));
        return true;
    }
    if (key.key() == Qt::Key_Delete) {
        emitAction(g, Action::Delete);
        return true;
    }
    if (ctrl(key) && key.key() == Qt::Key_Insert) {
        emitAction(g, Action::Copy);
        return true;
    }
    if (shift(key) && key.key() == Qt::Key_Insert) {
        emitAction(g, Action::Swap);
        return true;
    }
    return false;
}

} // namespace zyn
