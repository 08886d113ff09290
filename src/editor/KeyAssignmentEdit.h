#pragma once

#include "EditResult.h"

#include <QString>
#include <optional>

namespace zyn {

class LanguageTexts;
class Show;

// The key-assignment dialog's logic: one key stroke turns a channel into a
// channel fired by a controller key. The cue reference is dropped and the
// security level the cell had when the dialog opened is kept, so 12-3
// becomes K 4-3 after the 4 key and 12 becomes K 10 after the 0 key.
class KeyAssignmentEdit {
public:
    static constexpr int KeyEscape = 27;

    enum class Outcome { Ignored, Closed, Assigned };

    // Remembers what the cell held when the dialog opened.
    explicit KeyAssignmentEdit(const QString& cellWhenOpened);

    // "-" and the level, or "" for a cell without one.
    const QString& KeySuffix() const { return m_suffix; }

    // The two labels of the dialog for the module and channel it works on.
    QString firstLabel(const LanguageTexts& texts, int slave, int channel) const;
    QString secondLabel(const LanguageTexts& texts) const;

    // A released key: a digit of either keyboard writes the key assignment
    // into the cell and marks the show changed; Escape closes without change;
    // any other key is ignored and the dialog stays open.
    Outcome keyReleased(int keyCode, Show& show, int slave, int channel,
                        EditResult* result = nullptr) const;

    // The controller key of a digit key (0 means key 10), nothing for any
    // other key code.
    static std::optional<int> KeyNumber(int keyCode);
    // The cell the key assignment writes.
    QString cellText(int keyNumber) const;

private:
    bool m_wasEmpty;
    QString m_suffix;
    QString m_levelText; // the part after the first "-"
};

} // namespace zyn
