#include "VolumeList.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStorageInfo>
#include <algorithm>

namespace zyn {

namespace {

const QString SysfsRoot = QStringLiteral("/sys");

bool isPseudoFileSystem(const QByteArray& type) {
    static const QByteArrayList pseudo = {
        "tmpfs",  "devtmpfs", "proc",    "sysfs",  "overlay",  "squashfs", "ramfs",
        "devpts", "cgroup",   "cgroup2", "autofs", "efivarfs", "tracefs",  "fuse.portal"};
    return pseudo.contains(type);
}

QByteArray firstLine(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    return file.readLine().trimmed();
}

} // namespace

VolumeList::VolumeList(std::vector<Volume> volumes) : m_volumes(std::move(volumes)) {
    std::stable_sort(m_volumes.begin(), m_volumes.end(), [](const Volume& a, const Volume& b) {
        if (a.removable != b.removable)
            return a.removable;
        return a.rootPath < b.rootPath;
    });
}

VolumeList VolumeList::mounted() {
    std::vector<Volume> volumes;
    for (const QStorageInfo& storage : QStorageInfo::mountedVolumes()) {
        if (!storage.isValid() || !storage.isReady() ||
            isPseudoFileSystem(storage.fileSystemType()))
            continue;
        Volume volume;
        volume.rootPath = storage.rootPath();
        volume.displayName = storage.displayName();
        volume.device = QString::fromLocal8Bit(storage.device());
        volume.removable = isRemovableDevice(volume.device, SysfsRoot);
        volume.readOnly = storage.isReadOnly();
        volumes.push_back(volume);
    }
    return VolumeList(std::move(volumes));
}

int VolumeList::indexOf(const QString& rootPath) const {
    for (std::size_t i = 0; i < m_volumes.size(); ++i) {
        if (m_volumes[i].rootPath == rootPath)
            return static_cast<int>(i);
    }
    return -1;
}

// /sys/class/block/<name> links into the device tree: a partition's parent
// folder is its disk, which says "removable" itself; disks attached through
// USB have "/usb" in that path even when they do not call themselves so.
bool VolumeList::isRemovableDevice(const QString& device, const QString& sysfsRoot) {
    if (!device.startsWith(u"/dev/"))
        return false;
    const QString name = QFileInfo(device).fileName();
    const QString link = QDir(sysfsRoot).filePath(QStringLiteral("class/block/") + name);
    const QFileInfo info(link);
    if (!info.exists())
        return false;
    const QString node = info.canonicalFilePath();
    if (node.contains(u"/usb"))
        return true;
    QString disk = node;
    if (!QFileInfo::exists(QDir(node).filePath(QStringLiteral("removable"))))
        disk = QFileInfo(node).absolutePath(); // a partition: its disk is the parent
    return firstLine(QDir(disk).filePath(QStringLiteral("removable"))) == "1";
}

} // namespace zyn
