#include "MessageBoxPrompter.h"

#include "BusyCursor.h"

#include <QMessageBox>

namespace zyn {

bool MessageBoxPrompter::ask(const QString& text, const QString& title) {
    const BusyCursor::Suspend normalPointer;
    return QMessageBox::question(m_parent, title, text, QMessageBox::Yes | QMessageBox::No,
                                 QMessageBox::Yes) == QMessageBox::Yes;
}

void MessageBoxPrompter::warn(const QString& text, const QString& title) {
    const BusyCursor::Suspend normalPointer;
    QMessageBox::warning(m_parent, title, text);
}

void MessageBoxPrompter::critical(const QString& text, const QString& title) {
    const BusyCursor::Suspend normalPointer;
    QMessageBox::critical(m_parent, title, text);
}

} // namespace zyn
