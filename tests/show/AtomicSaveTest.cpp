#include "fakes/FailingDevice.h"
#include "fakes/QtPrinters.h"
#include "fakes/TestFiles.h"
#include "fakes/WriteFailures.h"
#include "show/AtomicFile.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

using namespace zyn;

namespace {

void expectCannotWrite(const FileError& error, const QString& path) {
    EXPECT_EQ(error.kind, FileError::Kind::CannotWrite);
    EXPECT_EQ(error.path, path);
    EXPECT_NE(error.number, 0);
}

TEST(AtomicSave, WriteAllFailsWhenTheDeviceRefusesPartWay) {
    const QByteArray bytes(1000, 'x');
    const struct {
        qint64 capacity;
        qsizetype size;
        bool complete;
    } cases[] = {
        {0, 10, false}, {999, 1000, false}, {1000, 1000, true}, {5000, 1000, true}, {0, 0, true}};
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::Message() << "capacity " << c.capacity << ", size " << c.size);
        test::FailingDevice device(c.capacity);
        ASSERT_TRUE(device.open(QIODevice::WriteOnly));
        EXPECT_EQ(AtomicFile::writeAll(device, QByteArrayView(bytes).first(c.size)), c.complete);
        EXPECT_EQ(device.written().size(), std::min<qint64>(c.capacity, c.size));
    }
}

TEST(AtomicSave, SaveCreatesAndReplacesTheWholeFile) {
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    const QString path = dir.filePath("ZYN600.cfg");

    EXPECT_TRUE(AtomicFile::save(path, "a much longer first content\r\n").ok());
    EXPECT_EQ(test::fileContent(path), "a much longer first content\r\n");

    // The new content replaces the old one, no tail of the longer file remains.
    EXPECT_TRUE(AtomicFile::save(path, "short").ok());
    EXPECT_EQ(test::fileContent(path), "short");

    EXPECT_TRUE(AtomicFile::save(path, "").ok());
    EXPECT_TRUE(QFile::exists(path));
    EXPECT_EQ(test::fileContent(path), "");
    EXPECT_EQ(test::entriesOf(dir.path()), QStringList{"ZYN600.cfg"});
}

TEST(AtomicSave, ReadOnlyFolderKeepsThePreviousFile) {
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    const QString locked = dir.filePath("locked");
    ASSERT_TRUE(QDir().mkdir(locked));
    const QString path = locked + "/ZYNFiles.ini";
    const QByteArray previous = "[ZYN600x2 PROJECTFILES]\r\n[LASTFILE]\r\n\"/a.zyn\"\r\n";
    ASSERT_TRUE(test::putFile(path, previous));

    // Writable file, unwritable folder: only a save in place could succeed.
    ASSERT_TRUE(QFile::setPermissions(locked, QFile::ReadOwner | QFile::ExeOwner |
                                                  QFile::ReadGroup | QFile::ExeGroup |
                                                  QFile::ReadOther | QFile::ExeOther));
    struct Unlock {
        QString folder;
        ~Unlock() {
            QFile::setPermissions(folder, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
        }
    } unlock{locked};
    test::openToEveryone(dir.path());
    FileError error;
    {
        const test::WithoutRootRights unprivileged;
        if (!unprivileged.ok())
            GTEST_SKIP() << "the test cannot give up root's rights";
        QFile probe(locked + "/probe");
        if (probe.open(QIODevice::WriteOnly)) {
            probe.remove();
            GTEST_SKIP() << "folder permissions are not enforced here";
        }
        error = AtomicFile::save(path, "replacement");
    }
    expectCannotWrite(error, path);
    EXPECT_EQ(test::fileContent(path), previous);
    EXPECT_EQ(test::entriesOf(locked), QStringList{"ZYNFiles.ini"});
}

} // namespace
