#pragma once

#include "import/CueListImport.h"

#include <QDialog>
#include <array>

class QAction;
class QCheckBox;
class QComboBox;
class QLabel;
class QTableView;

namespace zyn {

class ShowDocument;
class ImportPreviewModel;

// frm_Import_project: a cue list from a workbook or a semicolon-separated
// text file becomes the show. The chosen file is read into a preview that the
// user may thin out and read into again; only WRITE touches the show, and it
// replaces it whole. A file that cannot be read is reported and changes
// neither the preview rows read so far nor the show.
class ImportDialog : public QDialog {
    Q_OBJECT

public:
    ImportDialog(ShowDocument& document, const SpreadsheetEngine& engine,
                 QWidget* parent = nullptr);
    ~ImportDialog() override;

private:
    QWidget* fileFrame();
    QWidget* optionsFrame();
    QWidget* toolBars();
    QWidget* previewGrid();
    QAction* addButton(QWidget* bar, const char* key, const char* image, int tooltip);

    void openFile();
    void importRows();
    void deleteRow();
    void clearPreview();
    void writeCues();

    void fillChoosers();
    void updateOptions();
    void updateRowCommands();
    ColumnChoice chosenColumns() const;
    QString startDirectory() const;
    void setStatus(const QString& text);
    void report(const ImportError& error);
    QString text(int number) const;

    ShowDocument& m_document;
    CueListImport m_import;
    ImportPreviewModel* m_model = nullptr;
    QTableView* m_grid = nullptr;
    QLabel* m_fileLabel = nullptr;
    QLabel* m_status = nullptr;
    QCheckBox* m_fixedLayout = nullptr;
    QCheckBox* m_mergeTimes = nullptr;
    // Time, description, module, channel, security: the preview's columns.
    std::array<QComboBox*, 5> m_choosers{};
    QAction* m_importButton = nullptr;
    QAction* m_writeButton = nullptr;
    QAction* m_deleteButton = nullptr;
    QAction* m_clearButton = nullptr;
};

} // namespace zyn
