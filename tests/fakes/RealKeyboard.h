#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>
#include <optional>

namespace zyn::test {

// Key presses (and pointer gestures) on a real X display as a keyboard and a
// mouse make them: xdotool types through the X test extension into the window
// that has the input focus, and setxkbmap switches the layout, so the program
// sees the keys, modifiers and keycodes that a user's keyboard would give it.
// Each tool runs as a child process while the caller's event loop keeps going:
// the windows under test go on answering the server and handle the keys as
// they arrive.
class RealKeyboard {
public:
    explicit RealKeyboard(QString display) : m_display(std::move(display)) {}

    // The tools this needs that are not installed, with their packages.
    static QStringList missingTools();

    // Presses and releases a chord in xdotool's notation ("shift+7",
    // "ctrl+shift+s", "egrave"), with no modifier held from before.
    bool press(const QString& chord);
    // A chain of xdotool commands as one gesture, for what a key alone
    // cannot do: "keydown shift mousedown 1 mousemove 300 200 mouseup 1 ...".
    bool gesture(const QStringList& commands);
    // The keyboard layout of the whole display ("us", "de", "fr").
    bool setLayout(const QString& layout);
    // The name the window system holds for a window (what a window manager
    // shows in its title bar), or nothing when it cannot be read.
    std::optional<QString> windowName(quintptr window);

private:
    std::optional<QByteArray> run(const QString& program, const QStringList& arguments);

    QString m_display;
};

} // namespace zyn::test
