#include "StartDialog.h"

#include "ShellTextId.h"
#include "document/RecoveryTextId.h"
#include "document/ShowDocument.h"
#include "platform/Prompter.h"
#include "settings/TextId.h"
#include "show/RecentFiles.h"
#include "ui/IconSet.h"
#include "ui/WindowTitle.h"

#include <QDir>
#include <QFileInfo>
#include <QHBoxLayout>
#include <QLabel>
#include <QLocale>
#include <QPushButton>
#include <QVBoxLayout>

namespace zyn {

StartDialog::StartDialog(ShowDocument& document, QWidget* parent)
    : QDialog(parent), m_document(document) {
    setObjectName(QStringLiteral("frmStartfenster"));
    setWindowTitle(WindowTitle::base());
    setWindowIcon(IconSet::applicationIcon());

    m_welcome = label(QStringLiteral("Label_Welcome"), ShellTextId::WelcomeLabel);
    m_program = label(QStringLiteral("Label_PRG"), ShellTextId::ProgramLabel);
    m_url = label(QStringLiteral("Label_URL"), ShellTextId::UrlLabel);
    m_hint = new QLabel(m_document.text(ShellTextId::HintLabel) + QStringLiteral("  ") +
                        m_document.text(ShellTextId::Subtitle));
    m_hint->setObjectName(QStringLiteral("Label_Hinweis"));
    m_hint->setWordWrap(true);
    QFont big = m_program->font();
    big.setPointSizeF(big.pointSizeF() * 1.6);
    big.setBold(true);
    m_program->setFont(big);

    m_ok = button(QStringLiteral("OK"), ShellTextId::OkButton);
    m_end = button(QStringLiteral("Ende"), ShellTextId::CancelButton);
    m_old = button(QStringLiteral("cmdOld"), ShellTextId::OldProjectButton);
    m_auto = button(QStringLiteral("cmdAuto"), ShellTextId::NewShowButton);
    m_manual = button(QStringLiteral("cmdManuell"), ShellTextId::ManualShowButton);
    m_cancel = button(QStringLiteral("cmdCancel"), ShellTextId::CancelButton);
    for (QPushButton* hidden : {m_old, m_auto, m_manual, m_cancel})
        hidden->hide();
    m_hint->hide();
    m_ok->setDefault(true);

    auto* buttons = new QHBoxLayout;
    buttons->addStretch(1);
    for (QPushButton* b : {m_ok, m_end, m_old, m_auto, m_manual, m_cancel})
        buttons->addWidget(b);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(m_program);
    layout->addWidget(m_welcome);
    layout->addWidget(m_url);
    layout->addStretch(1);
    layout->addWidget(m_hint);
    layout->addLayout(buttons);
    setMinimumWidth(560);

    connect(m_ok, &QPushButton::clicked, this, [this] {
        m_document.NewProjectRequest = false;
        showChoices();
        readRecentFiles();
        offerRecoveryCopy();
    });
    connect(m_end, &QPushButton::clicked, this, &QDialog::reject);
    connect(m_auto, &QPushButton::clicked, this, [this] { choose(Choice::NewTimeCoded); });
    connect(m_manual, &QPushButton::clicked, this, [this] { choose(Choice::NewManual); });
    connect(m_old, &QPushButton::clicked, this, &StartDialog::chooseLastProject);
    connect(m_cancel, &QPushButton::clicked, this, &QDialog::reject);

    if (m_document.NewProjectRequest)
        showChoices();
}

QLabel* StartDialog::label(const QString& name, int text) {
    auto* result = new QLabel(m_document.text(text), this);
    result->setObjectName(name);
    result->setWordWrap(true);
    return result;
}

QPushButton* StartDialog::button(const QString& name, int text) {
    auto* result = new QPushButton(m_document.text(text), this);
    result->setObjectName(name);
    result->setAutoDefault(false);
    return result;
}

void StartDialog::showChoices() {
    m_ok->hide();
    m_end->hide();
    m_welcome->hide();
    m_auto->show();
    m_cancel->show();
    m_hint->show();
    m_auto->setDefault(true);
    m_auto->setFocus();
}

void StartDialog::readRecentFiles() {
    const std::optional<QString> last =
        RecentFiles::readLastProject(m_document.home.recentFilesPath());
    if (!last)
        return;
    m_lastProject = *last;
    m_old->show();
    m_old->setToolTip(m_lastProject);
}

void StartDialog::offerRecoveryCopy() {
    const std::optional<RecoveryFile::Details> copy = m_document.recovery.find();
    if (!copy)
        return;
    const QString show = copy->projectPath.isEmpty() ? m_document.text(ShellTextId::NewShowButton)
                                                     : QDir::toNativeSeparators(copy->projectPath);
    QString question = m_document.text(RecoveryTextId::AbnormalEnd) + QStringLiteral("\n\n") +
                       m_document.text(RecoveryTextId::ShowLabel) + u' ' + show;
    if (copy->written.isValid())
        question += u'\n' + m_document.text(RecoveryTextId::WrittenLabel) + u' ' +
                    QLocale().toString(copy->written.toLocalTime(), QLocale::ShortFormat);
    question += QStringLiteral("\n\n") + m_document.text(RecoveryTextId::RestoreQuestion);
    if (m_document.prompter.ask(question, m_document.text(TextId::QuestionTitle))) {
        choose(Choice::RecoveryCopy);
        return;
    }
    m_document.recovery.remove();
}

void StartDialog::choose(Choice choice) {
    m_choice = choice;
    accept();
}

void StartDialog::chooseLastProject() {
    if (!QFileInfo(m_lastProject).isFile()) {
        m_document.prompter.warn(m_document.text(ShellTextId::FileMissing),
                                 m_document.text(TextId::WarningTitle));
        return;
    }
    choose(Choice::LastProject);
}

} // namespace zyn
