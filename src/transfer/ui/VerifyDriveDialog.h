#pragma once

#include "platform/widgets/BusyCursor.h"
#include "transfer/VolumeList.h"
#include "verify/TableFileCheck.h"

#include <QDialog>
#include <functional>
#include <optional>

class QPushButton;

namespace zyn {

class ShowDocument;
class DriveListBox;
class TransferResultView;

// frmVerifyDrive: reads "ZYN600TE.BIN" from a volume the user picks and tells
// whether it fires the open show as programmed, or lists every difference in
// the show's terms. The file is read off the user-interface thread, since a
// slow or failing stick must not freeze the window; the show's plan is taken
// when the bytes arrive, so it is the show as it stands then.
class VerifyDriveDialog : public QDialog {
    Q_OBJECT

public:
    using VolumeSource = std::function<VolumeList()>;

    explicit VerifyDriveDialog(ShowDocument& document, QWidget* parent = nullptr);
    ~VerifyDriveDialog() override;

    // Where the drive list comes from (the mounted volumes unless set).
    void setVolumeSource(VolumeSource source);

private:
    void readVolumes(const QString& wanted);
    void refreshVolumes();
    void updateControls();
    QString selectedRoot() const;
    void startVerify();
    void showCheck(const QString& path, const TableFileCheck::Content& content);

    ShowDocument& m_document;
    VolumeSource m_volumeSource;
    VolumeList m_volumes;
    DriveListBox* m_drives = nullptr;
    QPushButton* m_verify = nullptr;
    TransferResultView* m_result = nullptr;
    bool m_reading = false;
    std::optional<BusyCursor::Suspend> m_normalPointer;
    std::optional<BusyCursor> m_busy;
};

} // namespace zyn
