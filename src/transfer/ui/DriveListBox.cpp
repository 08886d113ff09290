#include "DriveListBox.h"

#include <QDir>

namespace zyn {

DriveListBox::DriveListBox(QWidget* parent) : QComboBox(parent) {
    setObjectName(QStringLiteral("DriveAuswahl"));
    setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
    setMinimumContentsLength(24);
}

namespace {

QString volumeText(const VolumeList::Volume& volume) {
    const QString root = QDir::toNativeSeparators(volume.rootPath);
    if (volume.displayName.isEmpty() || volume.displayName == volume.rootPath)
        return root;
    return volume.displayName + QStringLiteral("  (") + root + u')';
}

} // namespace

void DriveListBox::showVolumes(const VolumeList& volumes, const QString& wanted) {
    clear();
    for (const VolumeList::Volume& volume : volumes.volumes())
        addItem(volumeText(volume), volume.rootPath);
    const int index = wanted.isEmpty() ? -1 : volumes.indexOf(wanted);
    setCurrentIndex(index >= 0 ? index : (count() > 0 ? 0 : -1));
}

void DriveListBox::showPopup() {
    emit aboutToShowPopup();
    QComboBox::showPopup();
}

} // namespace zyn
