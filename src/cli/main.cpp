#include "cli/ZynCtl.h"

#include <QCoreApplication>
#include <QFile>
#include <QStandardPaths>
#include <cstdio>

int main(int argc, char* argv[]) {
    QCoreApplication app(argc, argv);
    QCoreApplication::setApplicationName(QStringLiteral("zynk5"));
    QFile out;
    QFile err;
    out.open(stdout, QIODevice::WriteOnly);
    err.open(stderr, QIODevice::WriteOnly);
    zyn::ZynCtl tool(out, err, QCoreApplication::applicationDirPath(),
                     QStandardPaths::writableLocation(QStandardPaths::AppDataLocation));
    return tool.run(QCoreApplication::arguments().mid(1));
}
