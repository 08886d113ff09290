#include "CheckWindow.h"

#include "check/CheckFindingText.h"
#include "check/CheckTextId.h"
#include "document/ShowDocument.h"
#include "editor/ui/CueGridModel.h"
#include "editor/ui/EditorWindow.h"
#include "editor/ui/ShowGridView.h"
#include "settings/CheckSettings.h"
#include "ui/IconSet.h"

#include <QDialogButtonBox>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QTreeWidget>
#include <QVBoxLayout>
#include <algorithm>

namespace zyn {

namespace {

// Language texts of the column headings, by column.
constexpr int HeadingTexts[CheckWindow::ColumnCount] = {CheckTextId::FindingColumn, 15,
                                                        CheckTextId::KeyColumn, 189, 190};
constexpr int CloseText = 76;

QString severityIcon(CheckFinding::Severity severity) {
    return severity == CheckFinding::Severity::Error ? QStringLiteral("CANCEL")
                                                     : QStringLiteral("COMMERROR");
}

QString placeNumber(int number) {
    return number > 0 ? QString::number(number) : QString();
}

} // namespace

CheckWindow::CheckWindow(ShowDocument& document, EditorWindow& editor, QWidget* parent)
    : QWidget(parent, Qt::Window), m_document(document), m_editor(editor) {
    setObjectName(QStringLiteral("frmCheck"));
    m_summary = new QLabel;
    m_summary->setObjectName(QStringLiteral("lblSummary"));
    m_list = new QTreeWidget;
    m_list->setObjectName(QStringLiteral("lstFindings"));
    m_list->setColumnCount(ColumnCount);
    m_list->setRootIsDecorated(false);
    m_list->setAlternatingRowColors(true);
    m_list->setUniformRowHeights(true);
    m_list->header()->setStretchLastSection(false);
    m_list->header()->setSectionResizeMode(FindingColumn, QHeaderView::Stretch);
    connect(m_list, &QTreeWidget::itemDoubleClicked, this,
            [this](QTreeWidgetItem* item) { showPlace(m_list->indexOfTopLevelItem(item)); });

    m_close = new QPushButton(IconSet::icon(QStringLiteral("COMMOK")), QString());
    m_close->setObjectName(QStringLiteral("cmdClose"));
    connect(m_close, &QPushButton::clicked, this, &QWidget::close);
    auto* buttons = new QDialogButtonBox;
    buttons->addButton(m_close, QDialogButtonBox::RejectRole);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(m_summary);
    layout->addWidget(m_list);
    layout->addWidget(buttons);
    resize(760, 320);

    // The list follows every edit, undo and redo, a new or loaded show and
    // the language.
    const auto follow = [this] {
        if (isVisible())
            recheck();
    };
    connect(&document, &ShowDocument::cellsChanged, this, follow);
    connect(&document, &ShowDocument::showReplaced, this, follow);
    connect(&document, &ShowDocument::languageChanged, this, follow);
}

CheckOptions CheckWindow::savedOptions(const ShowDocument& document) {
    return {CheckSettings::read(document.home.checkSettingsPath()).settings.moduleGapMs};
}

void CheckWindow::recheck() {
    m_findings =
        ShowCheck::run(m_document.show, m_document.texts().stopLabels(), savedOptions(m_document));
    relabel();
    fillList();
}

void CheckWindow::present() {
    recheck();
    show();
    raise();
    activateWindow();
}

void CheckWindow::showEvent(QShowEvent* event) {
    recheck();
    QWidget::showEvent(event);
}

void CheckWindow::relabel() {
    setWindowTitle(m_document.text(CheckTextId::WindowCaption));
    QStringList headings;
    for (const int text : HeadingTexts)
        headings << m_document.text(text);
    m_list->setHeaderLabels(headings);
    m_close->setText(m_document.text(CloseText));
    const int errors = ShowCheck::errorCount(m_findings);
    m_summary->setText(m_findings.empty() ? m_document.text(CheckTextId::NoFindings)
                                          : m_document.text(CheckTextId::Summary)
                                                .arg(errors)
                                                .arg(int(m_findings.size()) - errors));
}

void CheckWindow::fillList() {
    m_list->clear();
    QList<QTreeWidgetItem*> items;
    for (const CheckFinding& finding : m_findings) {
        auto* item = new QTreeWidgetItem;
        item->setIcon(FindingColumn, IconSet::icon(severityIcon(finding.severity)));
        item->setText(FindingColumn, CheckFindingText::message(finding, m_document.texts()));
        item->setToolTip(FindingColumn, CheckFindingText::line(finding, m_document.texts()));
        item->setText(CueColumn, placeNumber(finding.cue));
        item->setText(KeyColumn, placeNumber(finding.key));
        item->setText(SlaveColumn, placeNumber(finding.slave));
        item->setText(ChannelColumn, placeNumber(finding.channel));
        items << item;
    }
    m_list->addTopLevelItems(items);
    for (int column = CueColumn; column < ColumnCount; ++column)
        m_list->resizeColumnToContents(column);
}

void CheckWindow::showPlace(int row) {
    // An open input box holds the grids still until it is closed.
    if (row < 0 || row >= int(m_findings.size()) || m_document.show.state.InputActive)
        return;
    const CheckFinding& finding = m_findings[std::size_t(row)];
    ShowGridView* target = nullptr;
    // Findings name cue numbers: the row is the one holding that number, so a
    // table whose numbers stray from their rows still leads to the right cue.
    const int cueRow = finding.cue > 0 ? m_document.show.cues.findRowByCueNumber(finding.cue) : 0;
    if (cueRow > 0) {
        moveCurrent(m_editor.cueGrid(), cueRow - 1, CueGridModel::TimeColumn);
        target = &m_editor.cueGrid();
    }
    if (finding.slave > 0) {
        const int column = finding.channel > 0
                               ? finding.channel - 1
                               : std::max(0, m_editor.icGrid().currentIndex().column());
        moveCurrent(m_editor.icGrid(), finding.slave - 1, column);
        target = &m_editor.icGrid();
    }
    if (!target)
        return;
    m_editor.window()->activateWindow();
    target->setFocus();
}

void CheckWindow::moveCurrent(ShowGridView& grid, int row, int column) {
    const QModelIndex index = grid.model()->index(row, column);
    if (!index.isValid())
        return;
    grid.setCurrentIndex(index);
    grid.scrollTo(index);
}

} // namespace zyn
