#pragma once

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

signals:
    void aboutToShowPopup();
};

} // namespace zyn
