#include "BusyCursor.h"

#include <QCursor>
#include <QGuiApplication>

namespace zyn {

BusyCursor::BusyCursor() {
    QGuiApplication::setOverrideCursor(QCursor(Qt::WaitCursor));
}

BusyCursor::~BusyCursor() {
    QGuiApplication::restoreOverrideCursor();
}

BusyCursor::Suspend::Suspend() {
    while (QGuiApplication::overrideCursor()) {
        QGuiApplication::restoreOverrideCursor();
        ++m_removed;
    }
}

BusyCursor::Suspend::~Suspend() {
    for (int i = 0; i < m_removed; ++i)
        QGuiApplication::setOverrideCursor(QCursor(Qt::WaitCursor));
}

} // namespace zyn
