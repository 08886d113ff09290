#pragma once

#include <QAbstractTableModel>
#include <functional>

namespace zyn {

class ImportPreview;
class LanguageTexts;

// The preview grid MSHFlexGrid_Data over the import's preview rows: view row
// r shows grid row r + 1, the header row is the view's header. A row the
// import has something to say about is tinted and carries the notes as its
// tooltip. Every change to the rows goes through this model, so the view
// never shows rows that are gone.
class ImportPreviewModel : public QAbstractTableModel {
    Q_OBJECT

public:
    ImportPreviewModel(ImportPreview& preview, const LanguageTexts& texts,
                       QObject* parent = nullptr);

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation,
                        int role = Qt::DisplayRole) const override;

    // Runs a change that may replace any of the rows (import, clear).
    void resetWith(const std::function<void()>& change);
    // Removes one data row; the header row (0) and rows beyond the data are
    // left alone.
    void removeGridRow(int gridRow);

private:
    QString notesOf(int gridRow) const;

    ImportPreview& m_preview;
    const LanguageTexts& m_texts;
    QStringList m_headers;
};

} // namespace zyn
