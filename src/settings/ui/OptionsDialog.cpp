#include "OptionsDialog.h"

#include "PathDialog.h"
#include "SettingsTextId.h"
#include "document/ShowDocument.h"
#include "platform/Prompter.h"
#include "settings/CheckSettings.h"
#include "settings/TextId.h"
#include "show/Settings.h"
#include "ui/ColourValue.h"
#include "ui/IconSet.h"

#include <QCheckBox>
#include <QColorDialog>
#include <QDialogButtonBox>
#include <QHBoxLayout>
#include <QIntValidator>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTabWidget>
#include <QToolBar>
#include <QToolButton>
#include <QTreeWidget>
#include <QVBoxLayout>

namespace zyn {

namespace {

QPushButton* makeButton(const QString& name, const QString& caption, const QString& image) {
    auto* button = new QPushButton(IconSet::icon(image), caption);
    button->setObjectName(name);
    return button;
}

} // namespace

OptionsDialog::OptionsDialog(ShowDocument& document, QWidget* parent)
    : QDialog(parent), m_document(document) {
    setObjectName(QStringLiteral("frmOptions"));
    setWindowTitle(document.text(SettingsTextId::OptionsCaption));
    m_chooseColour = [this](const QColor& start) -> std::optional<QColor> {
        const QColor chosen = QColorDialog::getColor(start, this);
        return chosen.isValid() ? std::optional<QColor>(chosen) : std::nullopt;
    };

    m_tabs = new QTabWidget;
    m_tabs->setObjectName(QStringLiteral("SSTab1"));
    m_tabs->addTab(pathsPage(), IconSet::icon(QStringLiteral("OPEN")),
                   u' ' + document.text(SettingsTextId::PathsPage));
    m_tabs->addTab(colourPage(), u' ' + document.text(SettingsTextId::ColourPage));
    m_tabs->addTab(questionsPage(), u' ' + document.text(SettingsTextId::QuestionsPage));
    m_tabs->addTab(checkPage(), u' ' + document.text(SettingsTextId::CheckPage));

    auto* buttons = new QDialogButtonBox;
    QPushButton* ok = makeButton(QStringLiteral("cmdOK"), document.text(SettingsTextId::OkButton),
                                 QStringLiteral("COMMOK"));
    QPushButton* cancel =
        makeButton(QStringLiteral("cmdCancel"), document.text(SettingsTextId::CancelButton),
                   QStringLiteral("CANCEL"));
    buttons->addButton(ok, QDialogButtonBox::AcceptRole);
    buttons->addButton(cancel, QDialogButtonBox::RejectRole);
    connect(ok, &QPushButton::clicked, this, &OptionsDialog::apply);
    connect(cancel, &QPushButton::clicked, this, &QDialog::reject);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(m_tabs);
    layout->addWidget(buttons);
    setMinimumSize(520, 300);
}

QWidget* OptionsDialog::pathsPage() {
    auto* page = new QWidget;
    page->setObjectName(QStringLiteral("Frame_Daten"));
    m_paths = new QTreeWidget;
    m_paths->setObjectName(QStringLiteral("ListePfade"));
    m_paths->setColumnCount(2);
    m_paths->setHeaderHidden(true);
    m_paths->setRootIsDecorated(false);
    auto* entry = new QTreeWidgetItem(m_paths);
    entry->setIcon(0, IconSet::icon(QStringLiteral("OPEN")));
    entry->setText(0, m_document.text(SettingsTextId::ProjectDirectoryEntry));
    if (m_document.settings().projectDirectory != u"\\")
        entry->setText(1, m_document.settings().projectDirectory);
    m_paths->setCurrentItem(entry);
    m_paths->resizeColumnToContents(0);

    QPushButton* choose =
        makeButton(QStringLiteral("PlotPath"), m_document.text(SettingsTextId::EditButton),
                   QStringLiteral("EDIT"));
    QPushButton* remove =
        makeButton(QStringLiteral("CommandDelete"), m_document.text(SettingsTextId::DeleteButton),
                   QStringLiteral("IC_DELETE"));
    connect(choose, &QPushButton::clicked, this, &OptionsDialog::showPathChooser);
    connect(m_paths, &QTreeWidget::itemDoubleClicked, this, &OptionsDialog::showPathChooser);
    connect(remove, &QPushButton::clicked, this, [this] {
        if (QTreeWidgetItem* item = m_paths->currentItem())
            item->setText(1, QString());
    });

    auto* row = new QHBoxLayout;
    row->addStretch(1);
    row->addWidget(choose);
    row->addWidget(remove);
    auto* layout = new QVBoxLayout(page);
    layout->addWidget(m_paths);
    layout->addLayout(row);
    return page;
}

QWidget* OptionsDialog::colourPage() {
    auto* page = new QWidget;
    auto* text = new QLabel(m_document.text(SettingsTextId::ColourText));
    text->setObjectName(QStringLiteral("Label_Colortxt"));
    text->setWordWrap(true);
    auto* fields = new QLabel(m_document.text(SettingsTextId::InputFieldsText));
    fields->setObjectName(QStringLiteral("Label_InputFields"));
    m_colourBox = new QToolButton;
    m_colourBox->setObjectName(QStringLiteral("Picture_Color"));
    m_colourBox->setFixedSize(64, 24);
    connect(m_colourBox, &QToolButton::clicked, this, &OptionsDialog::pickColour);

    auto* colours = new QToolBar;
    colours->setObjectName(QStringLiteral("Toolbar_Farben"));
    QAction* restore = colours->addAction(IconSet::icon(QStringLiteral("RESTORE")), QString());
    restore->setObjectName(QStringLiteral("RESTORE"));
    restore->setToolTip(m_document.text(SettingsTextId::RestoreColourTip));
    QAction* original = colours->addAction(IconSet::icon(QStringLiteral("CUE_COPY")), QString());
    original->setObjectName(QStringLiteral("ORIGINAL"));
    original->setToolTip(m_document.text(SettingsTextId::OriginalColourTip));
    connect(restore, &QAction::triggered, this,
            [this] { showColour(m_document.settings().inputBackColour); });
    connect(original, &QAction::triggered, this,
            [this] { showColour(Settings::WindowBackgroundColour); });
    showColour(m_document.settings().inputBackColour);

    auto* row = new QHBoxLayout;
    row->addWidget(fields);
    row->addWidget(m_colourBox);
    row->addWidget(colours);
    row->addStretch(1);
    auto* layout = new QVBoxLayout(page);
    layout->addWidget(text);
    layout->addLayout(row);
    layout->addStretch(1);
    return page;
}

QWidget* OptionsDialog::questionsPage() {
    auto* page = new QWidget;
    const auto check = [this](const char* name, int text, bool on) {
        auto* box = new QCheckBox(m_document.text(text));
        box->setObjectName(QLatin1String(name));
        box->setChecked(on);
        return box;
    };
    const Settings& settings = m_document.settings();
    m_askInput = check("CheckInput", SettingsTextId::InputQuestionCheck, settings.askBeforeInput);
    m_askDelete =
        check("CheckDelete", SettingsTextId::DeleteQuestionCheck, settings.askBeforeDelete);
    m_askSort = check("CheckSort", SettingsTextId::SortQuestionCheck, settings.askBeforeSort);
    auto* layout = new QVBoxLayout(page);
    layout->addWidget(m_askInput);
    layout->addWidget(m_askDelete);
    layout->addWidget(m_askSort);
    layout->addStretch(1);
    return page;
}

QWidget* OptionsDialog::checkPage() {
    auto* page = new QWidget;
    page->setObjectName(QStringLiteral("Frame_Check"));
    auto* label = new QLabel(m_document.text(SettingsTextId::ModuleGapLabel));
    label->setWordWrap(true);
    m_savedModuleGap =
        CheckSettings::read(m_document.home.checkSettingsPath()).settings.moduleGapMs;
    m_moduleGap = new QLineEdit(QString::number(m_savedModuleGap));
    m_moduleGap->setObjectName(QStringLiteral("txtModuleGap"));
    m_moduleGap->setValidator(new QIntValidator(0, CheckSettings::MaxModuleGapMs, m_moduleGap));
    m_moduleGap->setMaximumWidth(120);
    label->setBuddy(m_moduleGap);
    auto* layout = new QVBoxLayout(page);
    layout->addWidget(label);
    layout->addWidget(m_moduleGap);
    layout->addStretch(1);
    return page;
}

std::optional<int> OptionsDialog::moduleGap() {
    bool ok = false;
    const int value = m_moduleGap->text().trimmed().toInt(&ok);
    if (ok && value >= 0 && value <= CheckSettings::MaxModuleGapMs)
        return value;
    m_document.prompter.warn(m_document.text(SettingsTextId::ModuleGapRefused),
                             m_document.text(TextId::WarningTitle));
    m_tabs->setCurrentWidget(m_moduleGap->parentWidget());
    m_moduleGap->setFocus();
    m_moduleGap->selectAll();
    return std::nullopt;
}

void OptionsDialog::showColour(qint32 value) {
    m_colour = value;
    m_colourBox->setStyleSheet(QStringLiteral("background-color: %1; border: 1px solid gray;")
                                   .arg(ColourValue::toColour(value).name()));
}

void OptionsDialog::pickColour() {
    if (const std::optional<QColor> chosen = m_chooseColour(ColourValue::toColour(m_colour)))
        showColour(ColourValue::fromColour(*chosen));
}

void OptionsDialog::showPathChooser() {
    QTreeWidgetItem* entry = m_paths->currentItem();
    if (!entry)
        return;
    PathDialog chooser(m_document, entry->text(0), entry->text(1), this);
    if (chooser.exec() == QDialog::Accepted)
        entry->setText(1, chooser.path());
}

void OptionsDialog::apply() {
    const std::optional<int> gap = moduleGap();
    if (!gap)
        return;
    if (*gap != m_savedModuleGap) {
        CheckSettings check;
        check.moduleGapMs = *gap;
        if (const FileError error = check.save(m_document.home.checkSettingsPath()))
            m_document.ShowErrorMessage(error);
    }
    Settings settings = m_document.settings();
    settings.projectDirectory = m_paths->topLevelItem(0)->text(1);
    settings.inputBackColour = m_colour;
    settings.askBeforeInput = m_askInput->isChecked();
    settings.askBeforeDelete = m_askDelete->isChecked();
    settings.askBeforeSort = m_askSort->isChecked();
    m_document.changeSettings(settings);
    accept();
}

} // namespace zyn
