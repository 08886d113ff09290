#pragma once

#include "transfer/VolumeList.h"

#include <QComboBox>

namespace zyn {

// DriveAuswahl: the drive choice. A drive plugged in while the dialog is open
// should not need the dialog reopened, so the box says when it is about to
// drop down and its owner reads the volumes again.
class DriveListBox : public QComboBox {
    Q_OBJECT

public:
    explicit DriveListBox(QWidget* parent = nullptr);

    void showPopup() override;

    // Lists the volumes, each by its label and root path with the root as its
    // data, and selects the wanted root, or the first volume when it is not
    // mounted.
    void showVolumes(const VolumeList& volumes, const QString& wanted);
    QString selectedRoot() const { return currentData().toString(); }

signals:
    void aboutToShowPopup();
};

} // namespace zyn
