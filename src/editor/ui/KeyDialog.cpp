#include "KeyDialog.h"

#include "EditorCommands.h"
#include "Version.h"
#include "document/ShowDocument.h"
#include "editor/EditTextId.h"

#include <QKeyEvent>
#include <QLabel>
#include <QVBoxLayout>

namespace zyn {

namespace {

// The key code a released key has for the key-assignment logic: digits of
// the main keyboard 48..57, of the keypad 96..105, Escape 27, else 0.
int keyCodeOf(const QKeyEvent& event) {
    const int key = event.key();
    if (key == Qt::Key_Escape)
        return KeyAssignmentEdit::KeyEscape;
    if (key >= Qt::Key_0 && key <= Qt::Key_9)
        return (event.modifiers() & Qt::KeypadModifier) ? 96 + (key - Qt::Key_0) : key;
    return 0;
}

} // namespace

KeyDialog::KeyDialog(ShowDocument& document, EditorCommands& commands, int slave, int channel,
                     QWidget* parent)
    : QDialog(parent), m_document(document), m_commands(commands), m_slave(slave),
      m_channel(channel), m_edit(document.show.ics.cell(slave, channel)) {
    setObjectName(QStringLiteral("frmKeys"));
    setWindowTitle(QStringLiteral("%1 V%2.%3.%4 -> ")
                       .arg(QLatin1String(Version::ProductName))
                       .arg(Version::Major)
                       .arg(Version::Minor)
                       .arg(Version::Revision) +
                   document.text(EditTextId::KeyDialogTitle));
    auto* first = new QLabel(m_edit.firstLabel(document.texts(), slave, channel));
    first->setObjectName(QStringLiteral("Label1"));
    auto* second = new QLabel(m_edit.secondLabel(document.texts()));
    second->setObjectName(QStringLiteral("Label2"));
    QFont big = second->font();
    big.setBold(true);
    second->setFont(big);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(first);
    layout->addWidget(second);
    setMinimumWidth(360);
}

void KeyDialog::keyPressEvent(QKeyEvent* event) {
    // Everything happens on release; Esc must not close the dialog on press.
    event->accept();
}

void KeyDialog::keyReleaseEvent(QKeyEvent* event) {
    if (event->isAutoRepeat())
        return;
    const int code = keyCodeOf(*event);
    KeyAssignmentEdit::Outcome outcome = KeyAssignmentEdit::Outcome::Ignored;
    m_commands.record([&] {
        EditResult result;
        outcome = m_edit.keyReleased(code, m_document.show, m_slave, m_channel, &result);
        return result;
    });
    if (outcome == KeyAssignmentEdit::Outcome::Assigned)
        accept();
    else if (outcome == KeyAssignmentEdit::Outcome::Closed)
        reject();
}

} // namespace zyn
