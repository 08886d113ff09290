#include "InputBox.h"

#include <QKeyEvent>

namespace zyn {

namespace {
bool isEnter(int key) {
    return key == Qt::Key_Return || key == Qt::Key_Enter;
}
} // namespace

InputBox::InputBox(const QString& name, QWidget* parent) : QLineEdit(parent) {
    setObjectName(name);
    setFrame(true);
    hide();
}

void InputBox::setBackground(const QColor& colour) {
    QPalette palette = this->palette();
    palette.setColor(QPalette::Base, colour);
    setPalette(palette);
}

void InputBox::keyPressEvent(QKeyEvent* event) {
    if (isEnter(event->key()) || event->key() == Qt::Key_Escape) {
        event->accept();
        return;
    }
    QLineEdit::keyPressEvent(event);
}

void InputBox::keyReleaseEvent(QKeyEvent* event) {
    if (!event->isAutoRepeat() && isEnter(event->key())) {
        event->accept();
        emit enterReleased();
        return;
    }
    if (!event->isAutoRepeat() && event->key() == Qt::Key_Escape) {
        event->accept();
        emit escapeReleased();
        return;
    }
    QLineEdit::keyReleaseEvent(event);
}

void InputBox::focusInEvent(QFocusEvent* event) {
    QLineEdit::focusInEvent(event);
    emit focusGained();
}

void InputBox::focusOutEvent(QFocusEvent* event) {
    QLineEdit::focusOutEvent(event);
    emit focusLost();
}

} // namespace zyn
