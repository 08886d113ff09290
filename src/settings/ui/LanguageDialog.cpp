#include "LanguageDialog.h"

#include "SettingsTextId.h"
#include "editor/ui/EditorWindow.h"
#include "platform/Prompter.h"
#include "platform/widgets/BusyCursor.h"
#include "settings/LanguageFile.h"
#include "settings/LanguageLoader.h"
#include "settings/TextId.h"
#include "shell/AppSession.h"
#include "shell/IconSet.h"
#include "shell/MainWindow.h"

#include <QComboBox>
#include <QDialogButtonBox>
#include <QDir>
#include <QFileInfo>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

namespace zyn {

QIcon LanguageDialog::languageIcon(const AppSession& session, const QString& language) {
    const QString path =
        QDir(session.home.languageDirectory())
            .filePath(QStringLiteral("Icons/") + language + QStringLiteral(".ico"));
    return QFileInfo(path).isFile() ? QIcon(path) : QIcon();
}

LanguageDialog::LanguageDialog(AppSession& session, MainWindow& window)
    : QDialog(&window), m_session(session), m_window(window), m_languages(new QComboBox(this)) {
    setObjectName(QStringLiteral("frmLanguage"));
    setWindowTitle(session.text(SettingsTextId::LanguageCaption));
    auto* explanation =
        new QLabel(session.text(SettingsTextId::LanguageExplanation) + QStringLiteral("\n\n") +
                   session.text(SettingsTextId::LanguageExplanationMore));
    explanation->setObjectName(QStringLiteral("Label1"));
    explanation->setWordWrap(true);
    m_languages->setObjectName(QStringLiteral("ImageCombo1"));
    m_languages->setIconSize(QSize(16, 16));
    for (const QString& file : LanguageLoader::DirReadFiles(session.home.languageDirectory())) {
        const QString name = file.chopped(LanguageFile::Extension.size());
        m_languages->addItem(languageIcon(session, name), name);
    }
    m_languages->setCurrentIndex(m_languages->findText(session.settings.languageName));

    auto* buttons = new QDialogButtonBox;
    QPushButton* ok =
        buttons->addButton(session.text(SettingsTextId::OkButton), QDialogButtonBox::AcceptRole);
    ok->setObjectName(QStringLiteral("OKButton"));
    ok->setIcon(IconSet::icon(QStringLiteral("OK")));
    QPushButton* cancel = buttons->addButton(session.text(SettingsTextId::CancelButton),
                                             QDialogButtonBox::RejectRole);
    cancel->setObjectName(QStringLiteral("CancelButton"));
    cancel->setIcon(IconSet::icon(QStringLiteral("CANCEL")));
    connect(ok, &QPushButton::clicked, this, &LanguageDialog::apply);
    connect(cancel, &QPushButton::clicked, this, &QDialog::reject);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(explanation);
    layout->addWidget(m_languages);
    layout->addWidget(buttons);
    setMinimumWidth(380);
}

void LanguageDialog::apply() {
    const QString chosen = m_languages->currentText();
    if (chosen.isEmpty())
        return reject();
    {
        const BusyCursor busy;
        const StopLabels oldLabels = m_session.texts.stopLabels();
        const bool found = m_session.loadLanguage(chosen);
        m_window.relabel();
        m_session.show.cues.relabelStops(oldLabels, m_session.texts.stopLabels());
        m_window.editor().languageChanged();
        if (!found)
            m_session.prompter.warn(m_session.text(TextId::LanguageMissing),
                                    m_session.text(TextId::WarningTitle));
    }
    accept();
}

} // namespace zyn
