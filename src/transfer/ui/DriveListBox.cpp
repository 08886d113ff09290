#include "DriveListBox.h"

namespace zyn {

DriveListBox::DriveListBox(QWidget* parent) : QComboBox(parent) {
    setObjectName(QStringLiteral("DriveAuswahl"));
    setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
    setMinimumContentsLength(24);
}

void DriveListBox::showPopup() {
    emit aboutToShowPopup();
    QComboBox::showPopup();
}

} // namespace zyn
