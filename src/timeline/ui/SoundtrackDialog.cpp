#include "SoundtrackDialog.h"

#include "TimelineTextId.h"
#include "document/ShowDocument.h"
#include "editor/TimeCode.h"
#include "editor/TimeEntry.h"
#include "platform/FileDialogs.h"
#include "platform/Prompter.h"
#include "settings/TextId.h"
#include "show/ShowLimits.h"
#include "ui/WindowTitle.h"

#include <QDialogButtonBox>
#include <QDir>
#include <QFileInfo>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSpinBox>
#include <QVBoxLayout>

namespace zyn {

namespace {

enum : int { OkText = 74, CancelText = 75, AllFilesFilter = 219 };

} // namespace

SoundtrackDialog::SoundtrackDialog(ShowDocument& document, QWidget* parent)
    : QDialog(parent), m_document(document) {
    using namespace TimelineTextId;
    setObjectName(QStringLiteral("soundtrackDialog"));
    setWindowTitle(document.text(SoundtrackTitle) + QStringLiteral(" - ") + WindowTitle::base());
    const Soundtrack& current = document.soundtrack();

    m_file = new QLineEdit(QDir::toNativeSeparators(current.file));
    m_file->setObjectName(QStringLiteral("soundtrackFile"));
    m_file->setMinimumWidth(320);
    auto* browseButton = new QPushButton(document.text(BrowseButton));
    browseButton->setObjectName(QStringLiteral("soundtrackBrowse"));
    // Return in the fields confirms the dialog, never opens the file dialog.
    browseButton->setAutoDefault(false);
    auto* fileRow = new QHBoxLayout;
    fileRow->addWidget(m_file, 1);
    fileRow->addWidget(browseButton);
    m_missing = new QLabel(document.text(AudioFileMissing));
    m_missing->setStyleSheet(QStringLiteral("color: #c00000;"));

    const qint64 start = current.startCentiseconds;
    m_start = new QLineEdit(TimeCode{int(start / 360000), int(start / 6000 % 60),
                                     int(start / 100 % 60), int(start % 100)}
                                .text());
    m_start->setObjectName(QStringLiteral("soundtrackStart"));
    m_segment = new QSpinBox;
    m_segment->setObjectName(QStringLiteral("soundtrackSegment"));
    m_segment->setRange(1, MaxCues);
    m_segment->setValue(current.segment);

    auto* form = new QFormLayout;
    form->addRow(document.text(AudioFileLabel), fileRow);
    form->addRow(QString(), m_missing);
    form->addRow(document.text(StartTimeLabel), m_start);
    form->addRow(document.text(SegmentLabel), m_segment);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel);
    buttons->button(QDialogButtonBox::Ok)->setText(document.text(OkText));
    buttons->button(QDialogButtonBox::Cancel)->setText(document.text(CancelText));
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(form);
    layout->addWidget(buttons);

    connect(browseButton, &QPushButton::clicked, this, &SoundtrackDialog::browse);
    connect(m_file, &QLineEdit::textChanged, this, &SoundtrackDialog::showWhetherFileExists);
    connect(buttons, &QDialogButtonBox::accepted, this, &SoundtrackDialog::confirm);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    showWhetherFileExists();
}

void SoundtrackDialog::showWhetherFileExists() {
    const QString file = m_file->text().trimmed();
    m_missing->setVisible(!file.isEmpty() && !QFileInfo(file).isFile());
}

void SoundtrackDialog::browse() {
    const QString file = m_file->text().trimmed();
    QString folder = file.isEmpty() ? QString() : QFileInfo(file).absolutePath();
    if (folder.isEmpty() || !QFileInfo(folder).isDir())
        folder = QFileInfo(m_document.show.state.ProjectPath).absolutePath();
    const std::optional<QString> chosen = m_document.fileDialogs.openFile(
        folder, m_document.text(TimelineTextId::AudioFilter) + m_document.text(AllFilesFilter));
    if (chosen)
        m_file->setText(QDir::toNativeSeparators(*chosen));
}

std::optional<Soundtrack> SoundtrackDialog::soundtrack() const {
    const TimeEntryResult start = sb_Umwandlung_EingabeZeit(m_start->text());
    if (start.error)
        return std::nullopt;
    Soundtrack soundtrack;
    const QString file = m_file->text().trimmed();
    if (!file.isEmpty())
        soundtrack.file = QFileInfo(QDir::fromNativeSeparators(file)).absoluteFilePath();
    soundtrack.startCentiseconds = int(TimeCode::readPositional(start.timeText).totalHundredths());
    soundtrack.segment = m_segment->value();
    return soundtrack;
}

void SoundtrackDialog::confirm() {
    const std::optional<Soundtrack> chosen = soundtrack();
    if (!chosen) {
        m_document.prompter.warn(m_document.text(TimelineTextId::InvalidStartTime),
                                 m_document.text(TextId::WarningTitle));
        return;
    }
    if (chosen->isSet() && !QFileInfo(chosen->file).isFile()) {
        m_document.prompter.warn(m_document.text(TimelineTextId::AudioFileMissing),
                                 m_document.text(TextId::WarningTitle));
        return;
    }
    if (*chosen != m_document.soundtrack())
        m_document.setSoundtrack(*chosen);
    accept();
}

} // namespace zyn
