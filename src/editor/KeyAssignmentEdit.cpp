#include "KeyAssignmentEdit.h"

#include "EditTextId.h"
#include "IcSelection.h"
#include "settings/LanguageTexts.h"
#include "settings/TextId.h"
#include "show/Assignment.h"
#include "show/Show.h"

namespace zyn {

namespace {

// Each of the dialog's double line breaks is LF CR LF CR.
const QString TwoLineBreaks = QStringLiteral("\n\r\n\r");
const QString TwoBlanks = QStringLiteral("  ");

constexpr int MainDigitZero = 48;
constexpr int KeypadDigitZero = 96;

} // namespace

KeyAssignmentEdit::KeyAssignmentEdit(const QString& cellWhenOpened)
    : m_wasEmpty(cellWhenOpened.isEmpty()) {
    const qsizetype dash = cellWhenOpened.indexOf(u'-');
    if (dash >= 0) {
        m_levelText = cellWhenOpened.mid(dash + 1);
        m_suffix = u'-' + m_levelText;
    }
}

QString KeyAssignmentEdit::firstLabel(const LanguageTexts& texts, int slave, int channel) const {
    using namespace EditTextId;
    const QString place = texts.text(TextId::HeadingSlave) + TwoBlanks + QString::number(slave) +
                          TwoBlanks + texts.text(TextId::HeadingChannel) + TwoBlanks +
                          QString::number(channel);
    if (m_wasEmpty)
        return texts.text(KeyCellFree) + TwoLineBreaks + place;
    const QString cellInfo = m_suffix.isEmpty() ? texts.text(KeyCellNoLevel)
                                                : texts.text(KeyCellLevel) + u' ' + m_levelText;
    return texts.text(KeyCellUsed) + TwoLineBreaks + place + QStringLiteral("    ") + cellInfo;
}

QString KeyAssignmentEdit::secondLabel(const LanguageTexts& texts) const {
    using namespace EditTextId;
    return texts.text(KeyPressDigit) + TwoLineBreaks +
           texts.text(m_wasEmpty ? KeyHintFree : KeyHintUsed);
}

std::optional<int> KeyAssignmentEdit::KeyNumber(int keyCode) {
    int digit = -1;
    if (keyCode >= MainDigitZero && keyCode <= MainDigitZero + 9)
        digit = keyCode - MainDigitZero;
    else if (keyCode >= KeypadDigitZero && keyCode <= KeypadDigitZero + 9)
        digit = keyCode - KeypadDigitZero;
    if (digit < 0)
        return std::nullopt;
    return digit == 0 ? 10 : digit;
}

QString KeyAssignmentEdit::cellText(int keyNumber) const {
    return Assignment::keyText(keyNumber) + m_suffix;
}

KeyAssignmentEdit::Outcome KeyAssignmentEdit::keyReleased(int keyCode, Show& show, int slave,
                                                          int channel, EditResult* result) const {
    if (keyCode == KeyEscape)
        return Outcome::Closed;
    const std::optional<int> key = KeyNumber(keyCode);
    if (!key)
        return Outcome::Ignored;
    if (!IcTable::isValidCell(slave, channel))
        return Outcome::Closed;
    QString& cell = show.ics.cell(slave, channel);
    const QString text = cellText(*key);
    const bool changed = cell != text;
    cell = text;
    // A key assignment is a change like any other: without the flag the show
    // could be closed without the save question and the assignment lost.
    show.state.ShowChanged = true;
    if (result) {
        *result = EditResult{};
        result->changed = changed;
        result->icCells = IcSelection::single(slave, channel).area();
    }
    return Outcome::Assigned;
}

} // namespace zyn
