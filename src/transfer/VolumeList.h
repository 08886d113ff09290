#pragma once

#include <QString>
#include <vector>

namespace zyn {

// The mounted volumes the table file can be written to, for the drive choice:
// removable volumes first (that is where the controller's drive will be),
// then the others, each group in order of its root path. A volume is named by
// its root path, which is also what the drive setting keeps.
class VolumeList {
public:
    struct Volume {
        QString rootPath;    // where it is mounted, e.g. "/media/user/STICK"
        QString displayName; // its label, or the root path when it has none
        QString device;      // e.g. "/dev/sdb1"
        bool removable = false;
        bool readOnly = false;

        friend bool operator==(const Volume&, const Volume&) = default;
    };

    VolumeList() = default;
    explicit VolumeList(std::vector<Volume> volumes);

    // The volumes mounted now that are ready for files (no pseudo file
    // systems), in the order above.
    static VolumeList mounted();

    const std::vector<Volume>& volumes() const { return m_volumes; }
    // The position of the volume mounted at the root path, -1 when none is.
    int indexOf(const QString& rootPath) const;

    // Whether the block device behind a device node sits on a removable or
    // USB-attached disk, as the kernel tells in `sysfsRoot` (normally /sys).
    static bool isRemovableDevice(const QString& device, const QString& sysfsRoot);

private:
    std::vector<Volume> m_volumes;
};

} // namespace zyn
