#include "PathDialog.h"

#include "SettingsTextId.h"
#include "document/ShowDocument.h"
#include "ui/IconSet.h"

#include <QComboBox>
#include <QDialogButtonBox>
#include <QDir>
#include <QFileInfo>
#include <QFileSystemModel>
#include <QGridLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QStorageInfo>
#include <QTreeView>

namespace zyn {

namespace {

bool canEnter(const QString& folder) {
    const QFileInfo info(folder);
    return !folder.isEmpty() && info.isDir() && info.isReadable() && info.isExecutable();
}

QLabel* label(const QString& name, const QString& text) {
    auto* result = new QLabel(text);
    result->setObjectName(name);
    return result;
}

} // namespace

PathDialog::PathDialog(ShowDocument& document, const QString& prompt, const QString& startPath,
                       QWidget* parent)
    : QDialog(parent), m_volumes(new QComboBox), m_folders(new QTreeView),
      m_model(new QFileSystemModel(this)), m_path(new QLineEdit) {
    setObjectName(QStringLiteral("frmPathForm"));
    setWindowTitle(document.text(SettingsTextId::PathCaption));
    m_volumes->setObjectName(QStringLiteral("drvDrives"));
    m_folders->setObjectName(QStringLiteral("dirDirs"));
    m_path->setObjectName(QStringLiteral("txtPath"));
    m_path->setReadOnly(true);

    for (const QStorageInfo& volume : QStorageInfo::mountedVolumes()) {
        if (volume.isValid() && volume.isReady())
            m_volumes->addItem(volume.rootPath() + QStringLiteral("  ") + volume.displayName(),
                               volume.rootPath());
    }
    m_model->setFilter(QDir::AllDirs | QDir::NoDotAndDotDot);
    m_model->setRootPath(QDir::rootPath());
    m_folders->setModel(m_model);
    for (int column = 1; column < m_model->columnCount(); ++column)
        m_folders->hideColumn(column);
    m_folders->header()->hide();

    auto* buttons = new QDialogButtonBox;
    auto* ok = new QPushButton(IconSet::icon(QStringLiteral("OK")),
                               document.text(SettingsTextId::OkButton));
    ok->setObjectName(QStringLiteral("cmdOK"));
    auto* cancel = new QPushButton(IconSet::icon(QStringLiteral("CANCEL")),
                                   document.text(SettingsTextId::CancelButton));
    cancel->setObjectName(QStringLiteral("cmdCancel"));
    buttons->addButton(ok, QDialogButtonBox::AcceptRole);
    buttons->addButton(cancel, QDialogButtonBox::RejectRole);
    connect(ok, &QPushButton::clicked, this, &QDialog::accept);
    connect(cancel, &QPushButton::clicked, this, &QDialog::reject);

    auto* layout = new QGridLayout(this);
    layout->addWidget(label(QStringLiteral("lblPrompt"), prompt), 0, 0, 1, 2);
    layout->addWidget(
        label(QStringLiteral("lblDrives"), document.text(SettingsTextId::DrivesLabel)), 1, 0);
    layout->addWidget(m_volumes, 1, 1);
    layout->addWidget(
        label(QStringLiteral("lblDirs"), document.text(SettingsTextId::DirectoriesLabel)), 2, 0);
    layout->addWidget(m_folders, 2, 1);
    layout->addWidget(label(QStringLiteral("lblPath"), document.text(SettingsTextId::PathLabel)), 3,
                      0);
    layout->addWidget(m_path, 3, 1);
    layout->addWidget(buttons, 4, 0, 1, 2);
    resize(520, 420);

    // A folder no longer there opens its volume's root, or the file system's.
    if (!enter(startPath) && !enter(volumeOf(startPath)))
        enter(QDir::rootPath());

    connect(m_volumes, &QComboBox::activated, this, &PathDialog::volumeChosen);
    connect(m_folders->selectionModel(), &QItemSelectionModel::currentChanged, this,
            [this](const QModelIndex& index) {
                if (!m_changing)
                    enter(m_model->filePath(index));
            });
}

QString PathDialog::path() const {
    return m_path->text();
}

QString PathDialog::volumeOf(const QString& folder) const {
    QString best;
    for (int i = 0; i < m_volumes->count(); ++i) {
        const QString root = m_volumes->itemData(i).toString();
        if (folder.startsWith(root) && root.size() > best.size())
            best = root;
    }
    return best;
}

bool PathDialog::enter(const QString& folder) {
    if (!canEnter(folder))
        return false;
    const QString clean = QDir::cleanPath(QFileInfo(folder).absoluteFilePath());
    m_changing = true;
    const QModelIndex index = m_model->index(clean);
    m_folders->setCurrentIndex(index);
    m_folders->scrollTo(index);
    m_path->setText(QDir::toNativeSeparators(clean));
    const QString volume = volumeOf(clean);
    const int volumeIndex = m_volumes->findData(volume);
    if (volumeIndex >= 0) {
        m_volumes->setCurrentIndex(volumeIndex);
        m_lastGoodVolume = volume;
    }
    m_changing = false;
    return true;
}

void PathDialog::volumeChosen(int index) {
    if (!enter(m_volumes->itemData(index).toString()))
        m_volumes->setCurrentIndex(std::max(0, m_volumes->findData(m_lastGoodVolume)));
}

} // namespace zyn
