#pragma once

#include <QDialog>

class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;

namespace zyn {

class ShowDocument;
class ReportPrinter;

// Daten_drucken: where the report goes (an installed printer or a PDF
// file), how many copies and which pages. Print posts the printing command
// for the report window; a printer chosen here stays the current printer
// even when the dialog is cancelled.
class PrintDialog : public QDialog {
    Q_OBJECT

public:
    PrintDialog(ShowDocument& document, ReportPrinter& printer, int currentPage,
                QWidget* parent = nullptr);

    // Exemplare: the copies field as typed.
    QString copiesText() const;
    // The range tag: "ALL", "AKTUELL" or the page field's text.
    QString rangeTag() const;

private:
    QWidget* printerFrame();
    QWidget* orientationFrame();
    QWidget* copiesFrame();
    QWidget* rangeFrame(int currentPage);
    void FillPrinterList();
    void SelectPrinter();
    void PapierAusrichtung();
    void printerSetup();
    void updatePrintButton();
    void Drucke();

    ShowDocument& m_document;
    ReportPrinter& m_printer;
    QComboBox* m_printers = nullptr;
    QLabel* m_port = nullptr;
    QLabel* m_driver = nullptr;
    QLabel* m_portrait = nullptr;
    QLabel* m_landscape = nullptr;
    QLineEdit* m_copies = nullptr;
    QRadioButton* m_all = nullptr;
    QRadioButton* m_current = nullptr;
    QRadioButton* m_page = nullptr;
    QLineEdit* m_pageNumber = nullptr;
    QPushButton* m_print = nullptr;
};

} // namespace zyn
