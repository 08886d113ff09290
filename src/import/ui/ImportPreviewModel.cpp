#include "ImportPreviewModel.h"

#include "import/ImportErrorText.h"
#include "import/ImportPreview.h"
#include "settings/LanguageTexts.h"

#include <QColor>

namespace zyn {

namespace {

// Light amber: noticeable beside the grid's plain rows, text stays readable.
const QColor NoteTint(255, 236, 179);

} // namespace

ImportPreviewModel::ImportPreviewModel(ImportPreview& preview, const LanguageTexts& texts,
                                       QObject* parent)
    : QAbstractTableModel(parent), m_preview(preview), m_texts(texts),
      m_headers(ImportPreview::headerTexts(texts)) {}

int ImportPreviewModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : m_preview.RowsUsed() - 1;
}

int ImportPreviewModel::columnCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : ImportPreview::ColumnCount;
}

QVariant ImportPreviewModel::data(const QModelIndex& index, int role) const {
    if (!checkIndex(index, CheckIndexOption::IndexIsValid))
        return {};
    const int gridRow = index.row() + 1;
    switch (role) {
    case Qt::DisplayRole:
        return m_preview.cellText(gridRow, index.column());
    case Qt::ToolTipRole: {
        const QString notes = notesOf(gridRow);
        return notes.isEmpty() ? QVariant() : QVariant(notes);
    }
    case Qt::BackgroundRole:
        return m_preview.rows()[index.row()].notes().isEmpty() ? QVariant() : QVariant(NoteTint);
    default:
        return {};
    }
}

QVariant ImportPreviewModel::headerData(int section, Qt::Orientation orientation, int role) const {
    if (role != Qt::DisplayRole || section < 0)
        return {};
    if (orientation == Qt::Vertical)
        return section < rowCount() ? QVariant(section + 1) : QVariant();
    return m_headers.value(section);
}

void ImportPreviewModel::resetWith(const std::function<void()>& change) {
    beginResetModel();
    change();
    endResetModel();
}

void ImportPreviewModel::removeGridRow(int gridRow) {
    if (gridRow < 1 || gridRow >= m_preview.RowsUsed())
        return;
    beginRemoveRows({}, gridRow - 1, gridRow - 1);
    m_preview.removeRow(gridRow);
    endRemoveRows();
}

QString ImportPreviewModel::notesOf(int gridRow) const {
    const ImportRow& row = m_preview.rows()[gridRow - 1];
    QStringList lines;
    for (const ImportNote note : row.notes())
        lines.append(ImportErrorText::noteText(note, row, m_texts));
    return lines.join(u'\n');
}

} // namespace zyn
