#include "VerifyDriveDialog.h"

#include "DriveListBox.h"
#include "TransferResultView.h"
#include "VerifyDriveTextId.h"
#include "document/ShowDocument.h"
#include "transfer/DriveExport.h"
#include "transfer/TransferTextId.h"
#include "ui/IconSet.h"
#include "verify/PlanDifferenceText.h"
#include "verify/ShowPlan.h"

#include <QDir>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QThread>
#include <QVBoxLayout>
#include <memory>

namespace zyn {

VerifyDriveDialog::VerifyDriveDialog(ShowDocument& document, QWidget* parent)
    : QDialog(parent), m_document(document), m_volumeSource(&VolumeList::mounted) {
    setObjectName(QStringLiteral("frmVerifyDrive"));
    setWindowTitle(document.text(VerifyDriveTextId::Caption));
    m_normalPointer.emplace();

    auto* description = new QLabel(document.text(VerifyDriveTextId::Description));
    description->setObjectName(QStringLiteral("lbl_VerifyDesc"));
    description->setWordWrap(true);
    description->setTextFormat(Qt::PlainText);
    m_drives = new DriveListBox;
    connect(m_drives, &DriveListBox::aboutToShowPopup, this, &VerifyDriveDialog::refreshVolumes);
    connect(m_drives, &QComboBox::currentIndexChanged, this, &VerifyDriveDialog::updateControls);
    m_verify = new QPushButton(document.text(VerifyDriveTextId::VerifyButton));
    m_verify->setObjectName(QStringLiteral("cmd_Verify"));
    m_verify->setDefault(true);
    connect(m_verify, &QPushButton::clicked, this, &VerifyDriveDialog::startVerify);
    auto* close = new QPushButton(IconSet::icon(QStringLiteral("COMMOK")),
                                  document.text(TransferTextId::CloseButton));
    close->setObjectName(QStringLiteral("cmd_Close"));
    close->setAutoDefault(false);
    connect(close, &QPushButton::clicked, this, &QDialog::accept);
    m_result = new TransferResultView;

    auto* driveRow = new QHBoxLayout;
    driveRow->addWidget(m_drives, 1);
    driveRow->addWidget(m_verify);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch(1);
    buttons->addWidget(close);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(description);
    layout->addLayout(driveRow);
    layout->addSpacing(8);
    layout->addWidget(m_result, 1);
    layout->addLayout(buttons);
    setMinimumWidth(520);

    readVolumes(m_document.settings().usbDrive);
}

VerifyDriveDialog::~VerifyDriveDialog() = default;

void VerifyDriveDialog::setVolumeSource(VolumeSource source) {
    m_volumeSource = std::move(source);
    readVolumes(m_document.settings().usbDrive);
}

void VerifyDriveDialog::readVolumes(const QString& wanted) {
    m_volumes = m_volumeSource ? m_volumeSource() : VolumeList();
    m_drives->showVolumes(m_volumes, wanted);
    updateControls();
}

void VerifyDriveDialog::refreshVolumes() {
    if (!m_reading)
        readVolumes(selectedRoot());
}

void VerifyDriveDialog::updateControls() {
    m_verify->setEnabled(!m_reading && !selectedRoot().isEmpty());
    m_drives->setEnabled(!m_reading);
}

QString VerifyDriveDialog::selectedRoot() const {
    return m_drives->selectedRoot();
}

void VerifyDriveDialog::startVerify() {
    if (m_reading || selectedRoot().isEmpty())
        return;
    m_result->clear();
    m_reading = true;
    updateControls();
    m_busy.emplace();
    // The worker owns what it fills; the dialog may close before it ends.
    const QString path = DriveExport::filePath(selectedRoot());
    auto content = std::make_shared<TableFileCheck::Content>();
    QThread* worker = QThread::create([path, content] { *content = TableFileCheck::read(path); });
    connect(worker, &QThread::finished, this, [this, path, content] { showCheck(path, *content); });
    connect(worker, &QThread::finished, worker, &QObject::deleteLater);
    worker->start();
}

void VerifyDriveDialog::showCheck(const QString& path, const TableFileCheck::Content& content) {
    const FiringPlan show = ShowPlan::forTable(m_document.show, m_document.texts().stopLabels());
    const TableFileCheck check = TableFileCheck::compare(content, show);
    QString detail = QDir::toNativeSeparators(path);
    if (!check.detail.isEmpty())
        detail += u'\n' + check.detail;
    switch (check.outcome) {
    case TableFileCheck::Outcome::Equal:
        m_result->showOutcome(true, m_document.text(VerifyDriveTextId::Equal));
        break;
    case TableFileCheck::Outcome::Differs:
        m_result->showRefused(m_document.text(VerifyDriveTextId::Differs),
                              PlanDifferenceText::lines(check.differences, m_document.texts()));
        break;
    case TableFileCheck::Outcome::Missing:
        m_result->showOutcome(false, m_document.text(VerifyDriveTextId::Missing), detail);
        break;
    case TableFileCheck::Outcome::Unreadable:
        m_result->showOutcome(false, m_document.text(VerifyDriveTextId::Unreadable), detail);
        break;
    case TableFileCheck::Outcome::Damaged:
        m_result->showOutcome(false, m_document.text(VerifyDriveTextId::Damaged), detail);
        break;
    }
    m_reading = false;
    m_busy.reset();
    updateControls();
}

} // namespace zyn
