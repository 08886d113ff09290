// Printing scenarios through a print service of the tests' own. Print
// support asks for the service's address once, on first use, so the address
// is set before the application exists; the service itself is started by
// the tests that need it.
#include "fakes/CupsService.h"

#include <QApplication>
#include <QDir>
#include <QTemporaryDir>
#include <gtest/gtest.h>

int main(int argc, char* argv[]) {
    testing::InitGoogleTest(&argc, argv);
    const QTemporaryDir folder(QDir::tempPath() + QStringLiteral("/zyn-printing-XXXXXX"));
    qputenv("CUPS_SERVER", QFile::encodeName(zyn::test::CupsService::socketIn(folder.path())));
    qputenv("QT_QPA_PLATFORM",
            qgetenv("QT_QPA_PLATFORM").isEmpty() ? "offscreen" : qgetenv("QT_QPA_PLATFORM"));
    QApplication app(argc, argv);
    return RUN_ALL_TESTS();
}
