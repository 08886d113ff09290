#include "ImportDialog.h"

#include "ImportPreviewModel.h"
#include "document/ShowDocument.h"
#include "import/ImportErrorText.h"
#include "import/ImportTextId.h"
#include "import/ImportTime.h"
#include "platform/FileDialogs.h"
#include "platform/Prompter.h"
#include "platform/widgets/BusyCursor.h"
#include "settings/TextId.h"
#include "ui/IconSet.h"
#include "ui/WindowTitle.h"

#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QGridLayout>
#include <QGroupBox>
#include <QHeaderView>
#include <QLabel>
#include <QStatusBar>
#include <QTableView>
#include <QToolBar>
#include <QVBoxLayout>

namespace zyn {

namespace {

struct Chooser {
    const char* name;
    int caption;
};

// In the order of the preview's columns, as ColumnChoice holds them.
constexpr std::array<Chooser, 5> Choosers = {{
    {"Combo_ZeitSpalte", ImportTextId::HeaderTime},
    {"Combo_Desc", ImportTextId::HeaderDescription},
    {"Combo_Box", ImportTextId::HeaderModule},
    {"Combo_Channel", ImportTextId::HeaderChannel},
    {"Combo_Sicherheit", ImportTextId::HeaderSecurity},
}};

// The number of the text-file entry in the open dialog's filter list.
constexpr int TextFileFilter = 2;

} // namespace

ImportDialog::ImportDialog(ShowDocument& document, const SpreadsheetEngine& engine, QWidget* parent)
    : QDialog(parent), m_document(document), m_import(engine) {
    setObjectName(QStringLiteral("frm_Import_project"));
    setWindowTitle(WindowTitle::base() + QStringLiteral(" - ") + text(ImportTextId::WindowTitle));

    auto* statusBar = new QStatusBar;
    statusBar->setObjectName(QStringLiteral("StatusBar_Info"));
    statusBar->setSizeGripEnabled(false);
    m_status = new QLabel;
    m_status->setObjectName(QStringLiteral("Panel1"));
    statusBar->addWidget(m_status, 1);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(toolBars());
    layout->addWidget(fileFrame());
    layout->addWidget(optionsFrame());
    layout->addWidget(previewGrid(), 1);
    layout->addWidget(statusBar);

    updateOptions();
    updateRowCommands();
    resize(820, 600);
}

ImportDialog::~ImportDialog() = default;

QString ImportDialog::text(int number) const {
    return m_document.text(number);
}

QAction* ImportDialog::addButton(QWidget* bar, const char* key, const char* image, int tooltip) {
    auto* action = new QAction(IconSet::icon(QLatin1String(image)), QString(), bar);
    action->setObjectName(QLatin1String(key));
    action->setToolTip(text(tooltip));
    bar->addAction(action);
    return action;
}

QWidget* ImportDialog::toolBars() {
    auto* openBar = new QToolBar;
    openBar->setObjectName(QStringLiteral("Toolbar_Openfile"));
    openBar->setIconSize(QSize(24, 24));
    connect(addButton(openBar, "Open", "OPEN", ImportTextId::OpenTooltip), &QAction::triggered,
            this, &ImportDialog::openFile);

    auto* importBar = new QToolBar;
    importBar->setObjectName(QStringLiteral("Toolbar_Import"));
    importBar->setIconSize(QSize(24, 24));
    m_importButton = addButton(importBar, "IMPORT", "IMPORT", ImportTextId::ImportTooltip);
    m_writeButton = addButton(importBar, "WRITE", "COMMOK", ImportTextId::WriteTooltip);
    m_deleteButton = addButton(importBar, "DELETE", "CUE_DELETE", ImportTextId::DeleteTooltip);
    m_clearButton = addButton(importBar, "CLEAR", "IC_DELETE", ImportTextId::ClearTooltip);
    m_importButton->setEnabled(false);
    // Del removes the current preview row, as it removes cells in the editor.
    m_deleteButton->setShortcut(QKeySequence::Delete);
    m_deleteButton->setShortcutContext(Qt::WidgetWithChildrenShortcut);
    addAction(m_deleteButton);
    connect(m_importButton, &QAction::triggered, this, &ImportDialog::importRows);
    connect(m_writeButton, &QAction::triggered, this, &ImportDialog::writeCues);
    connect(m_deleteButton, &QAction::triggered, this, &ImportDialog::deleteRow);
    connect(m_clearButton, &QAction::triggered, this, &ImportDialog::clearPreview);

    auto* row = new QWidget;
    auto* layout = new QHBoxLayout(row);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(openBar);
    layout->addWidget(importBar);
    layout->addStretch(1);
    return row;
}

QWidget* ImportDialog::fileFrame() {
    auto* frame = new QGroupBox(text(ImportTextId::FileCaption));
    frame->setObjectName(QStringLiteral("Frame_File"));
    m_fileLabel = new QLabel(text(ImportTextId::FileCaption));
    m_fileLabel->setObjectName(QStringLiteral("Label_File"));
    m_fileLabel->setTextInteractionFlags(Qt::TextSelectableByMouse);
    m_fileLabel->setMinimumWidth(200);
    auto* layout = new QVBoxLayout(frame);
    layout->addWidget(m_fileLabel);
    return frame;
}

QWidget* ImportDialog::optionsFrame() {
    auto* frame = new QGroupBox(text(ImportTextId::OptionsCaption));
    frame->setObjectName(QStringLiteral("Frame_Options"));
    auto* layout = new QGridLayout(frame);
    for (std::size_t i = 0; i < Choosers.size(); ++i) {
        auto* chooser = new QComboBox;
        chooser->setObjectName(QLatin1String(Choosers[i].name));
        chooser->setSizeAdjustPolicy(QComboBox::AdjustToContents);
        chooser->setMinimumContentsLength(14);
        auto* label = new QLabel(text(Choosers[i].caption) + u':');
        label->setBuddy(chooser);
        // Two columns of choosers: time and description left, the channel's
        // three right.
        const int row = i < 2 ? int(i) : int(i) - 2;
        const int column = i < 2 ? 0 : 2;
        layout->addWidget(label, row, column);
        layout->addWidget(chooser, row, column + 1);
        m_choosers[i] = chooser;
    }
    m_fixedLayout = new QCheckBox(text(ImportTextId::FixedLayoutCaption));
    m_fixedLayout->setObjectName(QStringLiteral("CheckFileformat"));
    m_mergeTimes = new QCheckBox(text(ImportTextId::TimeMergeCaption));
    m_mergeTimes->setObjectName(QStringLiteral("CheckTimeMerge"));
    connect(m_fixedLayout, &QCheckBox::toggled, this, &ImportDialog::updateOptions);
    layout->addWidget(m_fixedLayout, 3, 0, 1, 4);
    layout->addWidget(m_mergeTimes, 4, 0, 1, 4);
    layout->setColumnStretch(1, 1);
    layout->setColumnStretch(3, 1);
    return frame;
}

QWidget* ImportDialog::previewGrid() {
    m_model = new ImportPreviewModel(m_import.preview(), m_document.texts(), this);
    m_grid = new QTableView;
    m_grid->setObjectName(QStringLiteral("MSHFlexGrid_Data"));
    m_grid->setModel(m_model);
    m_grid->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_grid->setSelectionBehavior(QAbstractItemView::SelectRows);
    m_grid->setSelectionMode(QAbstractItemView::SingleSelection);
    m_grid->verticalHeader()->setDefaultSectionSize(m_grid->fontMetrics().height() + 6);
    // The column widths are in twips, 1440 to the inch; a column is never
    // narrower than its heading, nor the time column than a time.
    const double pixelsPerTwip = logicalDpiX() / 1440.0;
    const QFontMetrics metrics = m_grid->fontMetrics();
    const int padding = 2 * metrics.averageCharWidth() + 8;
    for (int c = 0; c < ImportPreview::ColumnCount; ++c) {
        const QString widest =
            c == 0 ? ImportTime::zero() : m_model->headerData(c, Qt::Horizontal).toString();
        m_grid->setColumnWidth(c, std::max(int(ImportPreview::ColumnWidths[c] * pixelsPerTwip),
                                           metrics.horizontalAdvance(widest) + padding));
    }
    m_grid->horizontalHeader()->setStretchLastSection(true);
    return m_grid;
}

QString ImportDialog::startDirectory() const {
    if (!m_import.path().isEmpty())
        return QFileInfo(m_import.path()).absolutePath();
    if (!m_document.settings().projectDirectory.isEmpty())
        return m_document.settings().projectDirectory;
    return m_document.home.projectsDirectory();
}

void ImportDialog::setStatus(const QString& status) {
    m_status->setText(status);
}

void ImportDialog::report(const ImportError& error) {
    m_document.prompter.warn(ImportErrorText::description(error, m_document.texts()),
                             text(TextId::WarningTitle));
}

void ImportDialog::openFile() {
    const BusyCursor busy;
    const std::optional<FileDialogs::OpenChoice> chosen = m_document.fileDialogs.openFileOfType(
        startDirectory(), text(ImportTextId::WorkbookFilter) + text(ImportTextId::TextFileFilter));
    if (!chosen) {
        setStatus({});
        return;
    }
    setStatus(text(ImportTextId::StatusOpening));
    m_fileLabel->setText(QDir::toNativeSeparators(chosen->path));
    const FileKind kind =
        chosen->filter == TextFileFilter ? FileKind::TextFile : FileKind::Workbook;
    const ImportError error = m_import.open(chosen->path, kind);
    fillChoosers();
    updateOptions();
    // A file that already failed to open would only fail again.
    m_importButton->setEnabled(m_import.canImport() && error.ok());
    setStatus({});
    if (error)
        report(error);
}

void ImportDialog::fillChoosers() {
    const QStringList& headers = m_import.headers();
    for (QComboBox* chooser : m_choosers) {
        chooser->clear();
        // The blank entry: no column for this part of the row.
        chooser->addItem(QString(), 0);
        for (qsizetype k = 0; k < headers.size(); ++k)
            chooser->addItem(headers[k], int(k) + 1);
    }
}

void ImportDialog::updateOptions() {
    const bool workbook = m_import.path().isEmpty() || m_import.kind() == FileKind::Workbook;
    m_fixedLayout->setEnabled(workbook);
    const bool mapped = workbook && !m_import.path().isEmpty() && !m_fixedLayout->isChecked();
    for (QComboBox* chooser : m_choosers)
        chooser->setEnabled(mapped);
}

void ImportDialog::updateRowCommands() {
    // Writing an empty preview would leave an empty show: nothing to write.
    const bool rows = !m_import.preview().isEmpty();
    m_writeButton->setEnabled(rows);
    m_deleteButton->setEnabled(rows);
    m_clearButton->setEnabled(rows);
}

ColumnChoice ImportDialog::chosenColumns() const {
    const auto column = [this](int i) { return m_choosers[i]->currentData().toInt(); };
    return ColumnChoice{column(0), column(1), column(2), column(3), column(4)};
}

void ImportDialog::importRows() {
    if (!m_import.canImport())
        return;
    ImportError error;
    {
        const BusyCursor busy;
        setStatus(text(ImportTextId::StatusImporting));
        m_model->resetWith(
            [&] { error = m_import.importRows(m_fixedLayout->isChecked(), chosenColumns()); });
        updateRowCommands();
        setStatus({});
    }
    // One box for both: the rows read before an error keep their rounded times.
    QStringList messages;
    if (error)
        messages.append(ImportErrorText::description(error, m_document.texts()));
    if (m_import.timesInWholeSeconds())
        messages.append(text(ImportTextId::NoteXlsWholeSeconds));
    if (!messages.isEmpty())
        m_document.prompter.warn(messages.join(QStringLiteral("\r\n\r\n")),
                                 text(TextId::WarningTitle));
}

void ImportDialog::deleteRow() {
    const QModelIndex current = m_grid->currentIndex();
    if (!current.isValid())
        return;
    const int row = current.row();
    const int column = current.column();
    m_model->removeGridRow(row + 1);
    if (m_import.preview().isEmpty()) {
        clearPreview();
        return;
    }
    // The row that moved up becomes current, so Del can go on down the list.
    m_grid->setCurrentIndex(m_model->index(std::min(row, m_model->rowCount() - 1), column));
}

void ImportDialog::clearPreview() {
    m_model->resetWith([this] { m_import.preview().clear(); });
    updateRowCommands();
}

void ImportDialog::writeCues() {
    if (m_import.preview().isEmpty())
        return;
    // The show as it was is kept for the undo of the whole import.
    m_document.beginOutsideChange();
    CueWriteResult written;
    {
        const BusyCursor busy;
        setStatus(text(ImportTextId::StatusWriting));
        QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
        written = m_import.write(m_mergeTimes->isChecked(), m_document.show);
        m_document.showWithoutFile(TimeCodedShow);
        m_document.endOutsideChange();
        setStatus({});
    }
    if (written.cueLimitReached)
        m_document.prompter.warn(text(ImportTextId::CueLimitReached), text(TextId::WarningTitle));
    accept();
}

} // namespace zyn
