#pragma once

#include "platform/widgets/BusyCursor.h"
#include "transfer/VolumeList.h"
#include "verify/PlanDifference.h"

#include <QDialog>
#include <functional>
#include <optional>
#include <vector>

class QLabel;
class QProgressBar;
class QPushButton;
class QTimer;

namespace zyn {

class ShowDocument;
class DriveListBox;
struct FileError;
class TransferResultView;

// frmTransferToUSBDrive: writes the controller table as "ZYN600TE.BIN" into
// the root of a volume the user picks; the controller takes it from there.
// The drive setting keeps the root path of the volume last written to, and
// the dialog preselects it. The file is written off the user-interface thread
// (a slow stick must not freeze the window) while the progress bar follows
// the units into the file, and success is shown only once the medium holds
// the whole table; each press writes anew from the show.
class DriveTransferDialog : public QDialog {
    Q_OBJECT

public:
    using VolumeSource = std::function<VolumeList()>;
    static constexpr int WriteDelayMs = 20;

    explicit DriveTransferDialog(ShowDocument& document, QWidget* parent = nullptr);
    ~DriveTransferDialog() override;

    // Where the drive list comes from (the mounted volumes unless set); the
    // list is read anew and the stored drive selected.
    void setVolumeSource(VolumeSource source);

private:
    void readVolumes(const QString& wanted);
    void selectStoredDrive();
    void refreshVolumes();
    void showDriveLabel();
    void updateControls();
    QString selectedRoot() const;
    void startWrite();
    void exportTable();
    void showWritten(const QString& root, const FileError& error,
                     const std::vector<PlanDifference>& readBackDifferences);
    // Back to choosing, once the result is shown.
    void endWrite();

    ShowDocument& m_document;
    VolumeSource m_volumeSource;
    VolumeList m_volumes;
    DriveListBox* m_drives = nullptr;
    QLabel* m_driveLabel = nullptr;
    QPushButton* m_write = nullptr;
    QPushButton* m_close = nullptr;
    QProgressBar* m_progress = nullptr;
    TransferResultView* m_result = nullptr;
    QTimer* m_writeTimer = nullptr;
    QString m_target; // root of the volume being written to
    bool m_writing = false;
    // The pointer is normal while the user chooses, busy while a write runs,
    // whatever pointer the opener shows.
    std::optional<BusyCursor::Suspend> m_normalPointer;
    std::optional<BusyCursor> m_busy;
};

} // namespace zyn
