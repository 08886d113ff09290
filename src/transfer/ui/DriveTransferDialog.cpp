#include "DriveTransferDialog.h"

#include "DriveListBox.h"
#include "TransferDialogTextId.h"
#include "TransferResultView.h"
#include "document/ShowDocument.h"
#include "transfer/DriveExport.h"
#include "transfer/DriveExportJob.h"
#include "transfer/TableBuilder.h"
#include "transfer/TableRefusalText.h"
#include "transfer/TransferTextId.h"
#include "ui/IconSet.h"
#include "verify/PlanDifferenceText.h"
#include "verify/VerifyTextId.h"

#include <QDir>
#include <QHBoxLayout>
#include <QLabel>
#include <QProgressBar>
#include <QPushButton>
#include <QThread>
#include <QTimer>
#include <QVBoxLayout>

namespace zyn {

namespace {

QLabel* wrappedLabel(const QString& name, const QString& text = QString()) {
    auto* label = new QLabel(text);
    label->setObjectName(name);
    label->setWordWrap(true);
    label->setTextFormat(Qt::PlainText);
    return label;
}

} // namespace

DriveTransferDialog::DriveTransferDialog(ShowDocument& document, QWidget* parent)
    : QDialog(parent), m_document(document), m_volumeSource(&VolumeList::mounted) {
    setObjectName(QStringLiteral("frmTransferToUSBDrive"));
    setWindowTitle(document.text(TransferTextId::DriveCaption));
    m_normalPointer.emplace();

    m_drives = new DriveListBox;
    connect(m_drives, &DriveListBox::aboutToShowPopup, this, &DriveTransferDialog::refreshVolumes);
    m_driveLabel = wrappedLabel(QStringLiteral("Label_USBDrive"));
    m_write = new QPushButton(IconSet::icon(QStringLiteral("PCMKarte")),
                              document.text(TransferDialogTextId::WriteButton));
    m_write->setObjectName(QStringLiteral("cmd_Write"));
    m_write->setDefault(true);
    connect(m_write, &QPushButton::clicked, this, &DriveTransferDialog::startWrite);
    m_close = new QPushButton(IconSet::icon(QStringLiteral("COMMOK")),
                              document.text(TransferTextId::CloseButton));
    m_close->setObjectName(QStringLiteral("cmd_Close"));
    m_close->setAutoDefault(false);
    connect(m_close, &QPushButton::clicked, this, &QDialog::accept);
    m_progress = new QProgressBar;
    m_progress->setObjectName(QStringLiteral("ProgressBar1"));
    m_progress->setRange(0, ControllerTable::ProgressMaximum);
    m_progress->setValue(0);
    m_progress->setTextVisible(false);
    m_result = new TransferResultView;

    m_writeTimer = new QTimer(this);
    m_writeTimer->setObjectName(QStringLiteral("Timer1"));
    m_writeTimer->setSingleShot(true);
    m_writeTimer->setInterval(WriteDelayMs);
    connect(m_writeTimer, &QTimer::timeout, this, &DriveTransferDialog::exportTable);

    auto* driveRow = new QHBoxLayout;
    driveRow->addWidget(m_drives, 1);
    driveRow->addWidget(m_write);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch(1);
    buttons->addWidget(m_close);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(wrappedLabel(QStringLiteral("lbl_DriveDesc"),
                                   document.text(TransferTextId::DriveDescription)));
    layout->addLayout(driveRow);
    layout->addWidget(m_driveLabel);
    layout->addSpacing(8);
    layout->addWidget(
        wrappedLabel(QStringLiteral("lbl_Desc2"), document.text(TransferTextId::TransferNote)));
    layout->addWidget(m_progress);
    layout->addWidget(m_result);
    layout->addStretch(1);
    layout->addLayout(buttons);
    setMinimumWidth(520);

    selectStoredDrive();
}

DriveTransferDialog::~DriveTransferDialog() = default;

void DriveTransferDialog::setVolumeSource(VolumeSource source) {
    m_volumeSource = std::move(source);
    selectStoredDrive();
}

// Fills the list and selects the wanted root, or the first volume when it is
// not mounted.
void DriveTransferDialog::readVolumes(const QString& wanted) {
    m_volumes = m_volumeSource ? m_volumeSource() : VolumeList();
    m_drives->showVolumes(m_volumes, wanted);
    showDriveLabel();
    updateControls();
}

void DriveTransferDialog::selectStoredDrive() {
    readVolumes(m_document.settings().usbDrive);
}

void DriveTransferDialog::refreshVolumes() {
    if (!m_writing)
        readVolumes(selectedRoot());
}

void DriveTransferDialog::showDriveLabel() {
    const QString stored = m_document.settings().usbDrive;
    if (m_volumes.volumes().empty())
        m_driveLabel->setText(m_document.text(TransferDialogTextId::NoDriveAvailable));
    else if (!stored.isEmpty() && m_volumes.indexOf(stored) >= 0)
        m_driveLabel->setText(m_document.text(TransferTextId::LastDriveLabel) + u' ' +
                              QDir::toNativeSeparators(stored));
    else if (!stored.isEmpty())
        m_driveLabel->setText(m_document.text(TransferTextId::LastDriveMissing));
    else
        m_driveLabel->clear(); // nothing written yet: no drive to remember
    m_driveLabel->setVisible(!m_driveLabel->text().isEmpty());
}

void DriveTransferDialog::updateControls() {
    m_write->setEnabled(!m_writing && !selectedRoot().isEmpty());
    m_drives->setEnabled(!m_writing);
}

QString DriveTransferDialog::selectedRoot() const {
    return m_drives->currentData().toString();
}

void DriveTransferDialog::startWrite() {
    if (m_writing || selectedRoot().isEmpty())
        return;
    m_result->clear();
    m_target = selectedRoot();
    Settings settings = m_document.settings();
    settings.usbDrive = m_target;
    m_document.changeSettings(settings);
    m_writing = true;
    updateControls();
    m_busy.emplace();
    m_writeTimer->start();
}

void DriveTransferDialog::exportTable() {
    m_progress->setRange(0, ControllerTable::ProgressMaximum);
    m_progress->setValue(0);
    TableBuilder::Result built =
        TableBuilder(m_document.texts().stopLabels()).build(m_document.show);
    if (!built.ok()) {
        m_result->showRefused(m_document.text(TransferTextId::TransferFailed),
                              TableRefusalText::lines(built.refusals, m_document.texts()));
        endWrite();
        return;
    }
    // The job stays with this thread and only runs on the worker, so its
    // signals reach the dialog queued; it outlives the dialog when that
    // closes during the write.
    auto* job = new DriveExportJob(m_target, std::move(built.table));
    QThread* worker = QThread::create([job] { job->run(); });
    connect(job, &DriveExportJob::progressChanged, m_progress, &QProgressBar::setValue);
    connect(job, &DriveExportJob::finished, this, [this, job] {
        showWritten(job->volumeRoot(), job->error(), job->readBackDifferences());
    });
    connect(worker, &QThread::finished, job, &QObject::deleteLater);
    connect(worker, &QThread::finished, worker, &QObject::deleteLater);
    worker->start();
}

void DriveTransferDialog::showWritten(const QString& root, const FileError& error,
                                      const std::vector<PlanDifference>& readBackDifferences) {
    if (error.ok()) {
        m_result->showOutcome(true, m_document.text(TransferTextId::TransferSucceeded));
    } else if (!readBackDifferences.empty()) {
        m_result->showRefused(m_document.text(TransferTextId::TransferFailed) + u'\n' +
                                  m_document.text(VerifyTextId::ReadBackDiffers),
                              PlanDifferenceText::lines(readBackDifferences, m_document.texts()));
    } else {
        QString detail = QDir::toNativeSeparators(DriveExport::filePath(root));
        if (!error.detail.isEmpty())
            detail += QStringLiteral("\n") + error.detail;
        m_result->showOutcome(false, m_document.text(TransferTextId::TransferFailed), detail);
    }
    endWrite();
}

void DriveTransferDialog::endWrite() {
    m_writing = false;
    m_busy.reset();
    showDriveLabel();
    updateControls();
}

} // namespace zyn
