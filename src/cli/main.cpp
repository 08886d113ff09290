#include "cli/ZynCtl.h"

#include <QFile>
#include <QGuiApplication>
#include <QStandardPaths>
#include <cstdio>

namespace {

// Keeps the platform's start-up notes (such as a missing runtime folder) off
// the error stream, which carries only the tool's own failure line.
void quietStartupMessage(QtMsgType type, const QMessageLogContext&, const QString& message) {
    if (type == QtCriticalMsg || type == QtFatalMsg)
        std::fprintf(stderr, "%s\n", qPrintable(message));
}

} // namespace

int main(int argc, char* argv[]) {
    // zynctl shows no window, yet the report commands measure and draw text,
    // which needs Qt's font system: a GUI application on the offscreen
    // platform has it without a display.
    qputenv("QT_QPA_PLATFORM", "offscreen");
    const QtMessageHandler previous = qInstallMessageHandler(quietStartupMessage);
    QGuiApplication app(argc, argv);
    qInstallMessageHandler(previous);
    QCoreApplication::setApplicationName(QStringLiteral("zynk5"));
    QFile out;
    QFile err;
    out.open(stdout, QIODevice::WriteOnly);
    err.open(stderr, QIODevice::WriteOnly);
    zyn::ZynCtl tool(out, err, QCoreApplication::applicationDirPath(),
                     QStandardPaths::writableLocation(QStandardPaths::AppDataLocation));
    return tool.run(QCoreApplication::arguments().mid(1));
}
