#include "ApplicationIdentity.h"

#include <QApplication>

namespace zyn {

void identifyApplication() {
    QApplication::setApplicationName(QStringLiteral("zynk5"));
    QGuiApplication::setDesktopFileName(QStringLiteral("zynk5"));
}

} // namespace zyn
