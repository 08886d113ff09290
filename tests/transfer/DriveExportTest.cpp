// The table file on a volume: whole or not there, and the list of volumes to
// choose from.
#include "transfer/DriveExport.h"

#include "fakes/FileSizeLimit.h"
#include "fakes/QtPrinters.h"
#include "fakes/TestFiles.h"
#include "transfer/VolumeList.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

using namespace zyn;

namespace {

QByteArray pattern(qsizetype size, char seed) {
    QByteArray bytes(size, '\0');
    for (qsizetype i = 0; i < size; ++i)
        bytes[i] = char(seed + i * 7);
    return bytes;
}

TEST(DriveExport, ALongTableThenAShortOneLeavesExactlyTheShortOne) {
    QTemporaryDir volume;
    const QByteArray longTable = pattern(40000, 1);
    const QByteArray shortTable = pattern(32121, 9);
    ASSERT_TRUE(DriveExport::writeToVolume(volume.path(), longTable).ok());
    EXPECT_TRUE(test::fileContent(volume.filePath("ZYN600TE.BIN")) == longTable);
    ASSERT_TRUE(DriveExport::writeToVolume(volume.path(), shortTable).ok());
    EXPECT_TRUE(test::fileContent(volume.filePath("ZYN600TE.BIN")) == shortTable);
    EXPECT_EQ(test::entriesOf(volume.path()), QStringList{"ZYN600TE.BIN"});
}

TEST(DriveExport, AnUnwritableTargetIsReportedAndLeavesNoFile) {
    QTemporaryDir dir;
    QFile(dir.filePath("plain-file")).open(QIODevice::WriteOnly);
    QDir(dir.path()).mkpath("taken/ZYN600TE.BIN/inside");
    const QString cases[] = {
        dir.filePath("missing-folder"),
        dir.filePath("plain-file"),
        dir.filePath("taken"), // the name is a folder
        QStringLiteral("/proc"),
    };
    for (const QString& volume : cases) {
        SCOPED_TRACE(volume.toStdString());
        const FileError error = DriveExport::writeToVolume(volume, pattern(100, 3));
        EXPECT_EQ(error.kind, FileError::Kind::CannotWrite);
        EXPECT_NE(error.number, 0);
        EXPECT_EQ(error.path, DriveExport::filePath(volume));
        EXPECT_FALSE(QFileInfo(DriveExport::filePath(volume)).isFile());
    }
    EXPECT_EQ(test::entriesOf(dir.filePath("taken")), QStringList{"ZYN600TE.BIN"});
}

TEST(DriveExport, AFullMediumKeepsThePreviousFileWholeAndLeavesNoTemporaryFile) {
    QTemporaryDir volume;
    const QByteArray previous = pattern(1000, 5);
    ASSERT_TRUE(DriveExport::writeToVolume(volume.path(), previous).ok());
    FileError error;
    {
        test::FileSizeLimit limit(4096);
        if (!limit.active())
            GTEST_SKIP() << "the file size limit cannot be lowered";
        error = DriveExport::writeToVolume(volume.path(), pattern(32121, 1));
    }
    EXPECT_EQ(error.kind, FileError::Kind::CannotWrite);
    EXPECT_NE(error.number, 0);
    EXPECT_TRUE(test::fileContent(volume.filePath("ZYN600TE.BIN")) == previous);
    EXPECT_EQ(test::entriesOf(volume.path()), QStringList{"ZYN600TE.BIN"});
}

TEST(VolumeChoice, RemovableVolumesComeFirstThenByRootPath) {
    using Volume = VolumeList::Volume;
    const VolumeList list({
        Volume{"/", "/", "/dev/sda2", false, false},
        Volume{"/media/user/STICK", "STICK", "/dev/sdb1", true, false},
        Volume{"/home", "home", "/dev/sda3", false, false},
        Volume{"/media/user/CARD", "CARD", "/dev/mmcblk0p1", true, true},
    });
    QStringList roots;
    for (const Volume& volume : list.volumes())
        roots.append(volume.rootPath);
    EXPECT_EQ(roots, (QStringList{"/media/user/CARD", "/media/user/STICK", "/", "/home"}));
    EXPECT_EQ(list.indexOf("/media/user/STICK"), 1);
    EXPECT_EQ(list.indexOf("/media/user/GONE"), -1);
}

TEST(VolumeChoice, TheKernelTellsWhichDisksAreRemovable) {
    QTemporaryDir sys;
    const QDir root(sys.path());
    // A device tree as /sys shows it, with the class/block links into it.
    const auto disk = [&](const QString& path, const char* removable) {
        root.mkpath(path);
        test::putFile(root.filePath(path + "/removable"), removable);
    };
    const auto partition = [&](const QString& diskPath, const QString& name) {
        root.mkpath(diskPath + u'/' + name);
        root.mkpath("class/block");
        QFile::link(root.filePath(diskPath + u'/' + name), root.filePath("class/block/" + name));
    };
    disk("devices/pci0/ata1/block/sda", "0\n");
    partition("devices/pci0/ata1/block/sda", "sda1");
    disk("devices/pci0/usb1/1-1/block/sdb", "0\n"); // a USB disk that does not say removable
    partition("devices/pci0/usb1/1-1/block/sdb", "sdb1");
    disk("devices/pci0/mmc0/block/mmcblk0", "1\n");
    partition("devices/pci0/mmc0/block/mmcblk0", "mmcblk0p1");
    QFile::link(root.filePath("devices/pci0/mmc0/block/mmcblk0"),
                root.filePath("class/block/mmcblk0"));

    const struct {
        const char* device;
        bool removable;
    } cases[] = {
        {"/dev/sda1", false}, {"/dev/sdb1", true}, {"/dev/mmcblk0p1", true}, {"/dev/mmcblk0", true},
        {"/dev/sdz1", false}, {"tmpfs", false},    {"/dev/mapper/x", false},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.device);
        EXPECT_EQ(VolumeList::isRemovableDevice(c.device, sys.path()), c.removable);
    }
}

} // namespace
