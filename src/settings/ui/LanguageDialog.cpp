#include "LanguageDialog.h"

#include "SettingsTextId.h"
#include "document/ShowDocument.h"
#include "editor/ui/EditorWindow.h"
#include "platform/Prompter.h"
#include "platform/widgets/BusyCursor.h"
#include "settings/LanguageFile.h"
#include "settings/LanguageLoader.h"
#include "settings/TextId.h"
#include "ui/IconSet.h"

#include <QComboBox>
#include <QDialogButtonBox>
#include <QDir>
#include <QFileInfo>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

namespace zyn {

QIcon LanguageDialog::languageIcon(const ShowDocument& document, const QString& language) {
    const QString path =
        QDir(document.home.languageDirectory())
            .filePath(QStringLiteral("Icons/") + language + QStringLiteral(".ico"));
    return QFileInfo(path).isFile() ? QIcon(path) : QIcon();
}

LanguageDialog::LanguageDialog(ShowDocument& document, QWidget* parent)
    : QDialog(parent), m_document(document), m_languages(new QComboBox(this)) {
    setObjectName(QStringLiteral("frmLanguage"));
    setWindowTitle(document.text(SettingsTextId::LanguageCaption));
    auto* explanation =
        new QLabel(document.text(SettingsTextId::LanguageExplanation) + QStringLiteral("\n\n") +
                   document.text(SettingsTextId::LanguageExplanationMore));
    explanation->setObjectName(QStringLiteral("Label1"));
    explanation->setWordWrap(true);
    m_languages->setObjectName(QStringLiteral("ImageCombo1"));
    m_languages->setIconSize(QSize(16, 16));
    for (const QString& file : LanguageLoader::DirReadFiles(document.home.languageDirectory())) {
        const QString name = file.chopped(LanguageFile::Extension.size());
        m_languages->addItem(languageIcon(document, name), name);
    }
    m_languages->setCurrentIndex(m_languages->findText(document.settings().languageName));

    auto* buttons = new QDialogButtonBox;
    QPushButton* ok =
        buttons->addButton(document.text(SettingsTextId::OkButton), QDialogButtonBox::AcceptRole);
    ok->setObjectName(QStringLiteral("OKButton"));
    ok->setIcon(IconSet::icon(QStringLiteral("OK")));
    QPushButton* cancel = buttons->addButton(document.text(SettingsTextId::CancelButton),
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
        const bool found = m_document.changeLanguage(chosen);
        if (!found)
            m_document.prompter.warn(m_document.text(TextId::LanguageMissing),
                                     m_document.text(TextId::WarningTitle));
    }
    accept();
}

} // namespace zyn
