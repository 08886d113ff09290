#include "PrintDialog.h"

#include "PrintIcons.h"
#include "ReportPrinter.h"
#include "ReportUiTextId.h"
#include "document/ShowDocument.h"
#include "ui/IconSet.h"

#include <QComboBox>
#include <QEvent>
#include <QFormLayout>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QIntValidator>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTimer>
#include <QVBoxLayout>

namespace zyn {

namespace {

constexpr int OrientationPicture = 64;
// More copies than a show's crew could use, but few enough that a slip of
// the finger cannot send thousands of sheets to the printer.
constexpr int MostCopies = 99;
constexpr int HighestPage = 32767;

// Exemplare takes its whole text on focus, so that typing replaces it.
class SelectAllOnFocus : public QObject {
public:
    using QObject::QObject;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::FocusIn) {
            if (auto* edit = qobject_cast<QLineEdit*>(watched))
                QTimer::singleShot(0, edit, &QLineEdit::selectAll);
        }
        return QObject::eventFilter(watched, event);
    }
};

QLabel* namedLabel(const QString& name) {
    auto* label = new QLabel;
    label->setObjectName(name);
    label->setTextInteractionFlags(Qt::TextSelectableByMouse);
    return label;
}

QPushButton* namedButton(const QString& name, const QString& caption) {
    auto* button = new QPushButton(QStringLiteral("&") + caption);
    button->setObjectName(name);
    return button;
}

bool positive(const QLineEdit* edit) {
    return edit->text().toInt() >= 1;
}

} // namespace

PrintDialog::PrintDialog(ShowDocument& document, ReportPrinter& printer, int currentPage,
                         QWidget* parent)
    : QDialog(parent), m_document(document), m_printer(printer) {
    setObjectName(QStringLiteral("Daten_drucken"));
    setWindowTitle(document.text(ReportUiTextId::PrintCaption));
    setWindowIcon(IconSet::icon(QStringLiteral("Printing")));

    m_print = namedButton(QStringLiteral("Drucke"), document.text(ReportUiTextId::PrintButton));
    m_print->setIcon(IconSet::icon(QStringLiteral("Printing")));
    m_print->setDefault(true);
    QPushButton* cancel =
        namedButton(QStringLiteral("Druck_abbrechen"), document.text(ReportUiTextId::CancelButton));
    cancel->setIcon(IconSet::icon(QStringLiteral("CANCEL")));
    connect(m_print, &QPushButton::clicked, this, &PrintDialog::Drucke);
    connect(cancel, &QPushButton::clicked, this, &QDialog::reject);

    auto* lower = new QHBoxLayout;
    lower->addWidget(orientationFrame());
    auto* choices = new QVBoxLayout;
    choices->addWidget(copiesFrame());
    choices->addWidget(rangeFrame(currentPage));
    lower->addLayout(choices, 1);

    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(m_print);
    buttons->addWidget(cancel);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(printerFrame());
    layout->addLayout(lower);
    layout->addLayout(buttons);
    setMinimumWidth(460);

    FillPrinterList();
    connect(m_printers, &QComboBox::currentIndexChanged, this, &PrintDialog::SelectPrinter);
    PapierAusrichtung();
    updatePrintButton();
}

QWidget* PrintDialog::printerFrame() {
    auto* frame = new QGroupBox(m_document.text(ReportUiTextId::PrinterFrame));
    frame->setObjectName(QStringLiteral("FramePrinter"));
    m_printers = new QComboBox;
    m_printers->setObjectName(QStringLiteral("ImageCombo1"));
    m_printers->setIconSize(QSize(24, 24));
    m_printers->setSizeAdjustPolicy(QComboBox::AdjustToContents);
    QPushButton* setup =
        namedButton(QStringLiteral("CommandDrucker"), m_document.text(ReportUiTextId::SetupButton));
    connect(setup, &QPushButton::clicked, this, &PrintDialog::printerSetup);
    m_port = namedLabel(QStringLiteral("LabelOrt"));
    m_driver = namedLabel(QStringLiteral("LabelTreiber"));

    auto* grid = new QGridLayout(frame);
    grid->addWidget(m_printers, 0, 0, 1, 2);
    grid->addWidget(setup, 0, 2);
    grid->addWidget(new QLabel(m_document.text(ReportUiTextId::PortLabel)), 1, 0);
    grid->addWidget(m_port, 1, 1, 1, 2);
    grid->addWidget(new QLabel(m_document.text(ReportUiTextId::DriverLabel)), 2, 0);
    grid->addWidget(m_driver, 2, 1, 1, 2);
    grid->setColumnStretch(1, 1);
    return frame;
}

QWidget* PrintDialog::orientationFrame() {
    auto* frame = new QGroupBox(m_document.text(ReportUiTextId::OrientationFrame));
    frame->setObjectName(QStringLiteral("FrameOrientation"));
    m_portrait = namedLabel(QStringLiteral("Image1"));
    m_portrait->setPixmap(PrintIcons::orientation(true, OrientationPicture));
    m_landscape = namedLabel(QStringLiteral("Image2"));
    m_landscape->setPixmap(PrintIcons::orientation(false, OrientationPicture));
    auto* layout = new QHBoxLayout(frame);
    layout->addWidget(m_portrait, 0, Qt::AlignCenter);
    layout->addWidget(m_landscape, 0, Qt::AlignCenter);
    frame->setMinimumWidth(OrientationPicture * 2);
    return frame;
}

QWidget* PrintDialog::copiesFrame() {
    auto* frame = new QWidget;
    m_copies = new QLineEdit(QStringLiteral("1"));
    m_copies->setObjectName(QStringLiteral("Exemplare"));
    m_copies->setValidator(new QIntValidator(0, MostCopies, m_copies));
    m_copies->setMaximumWidth(60);
    m_copies->installEventFilter(new SelectAllOnFocus(m_copies));
    connect(m_copies, &QLineEdit::textChanged, this, &PrintDialog::updatePrintButton);
    auto* layout = new QFormLayout(frame);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addRow(m_document.text(ReportUiTextId::CopiesLabel), m_copies);
    return frame;
}

QWidget* PrintDialog::rangeFrame(int currentPage) {
    auto* frame = new QGroupBox;
    frame->setObjectName(QStringLiteral("FrameRange"));
    m_all = new QRadioButton(m_document.text(ReportUiTextId::AllPagesOption));
    m_all->setObjectName(QStringLiteral("OptionSide0"));
    m_all->setChecked(true);
    m_current = new QRadioButton(m_document.text(ReportUiTextId::CurrentPageOption));
    m_current->setObjectName(QStringLiteral("OptionSide1"));
    m_page = new QRadioButton(m_document.text(ReportUiTextId::PageOption));
    m_page->setObjectName(QStringLiteral("OptionSide2"));
    m_pageNumber = new QLineEdit(QString::number(currentPage));
    m_pageNumber->setObjectName(QStringLiteral("Text_Seite"));
    m_pageNumber->setValidator(new QIntValidator(1, HighestPage, m_pageNumber));
    m_pageNumber->setMaximumWidth(60);
    m_pageNumber->setEnabled(false);
    connect(m_page, &QRadioButton::toggled, m_pageNumber, &QLineEdit::setEnabled);
    connect(m_page, &QRadioButton::toggled, this, &PrintDialog::updatePrintButton);
    connect(m_pageNumber, &QLineEdit::textChanged, this, &PrintDialog::updatePrintButton);

    auto* pageRow = new QHBoxLayout;
    pageRow->addWidget(m_page);
    pageRow->addWidget(m_pageNumber);
    pageRow->addStretch();
    auto* layout = new QVBoxLayout(frame);
    layout->addWidget(m_all);
    layout->addWidget(m_current);
    layout->addLayout(pageRow);
    return frame;
}

void PrintDialog::FillPrinterList() {
    const QString current = m_printer.current();
    for (const PrinterEntry& entry : m_printer.installed()) {
        m_printers->addItem(PrintIcons::printer(entry.kind()), entry.name, entry.name);
        m_printers->setItemData(m_printers->count() - 1, QStringList{entry.port, entry.driver},
                                Qt::UserRole + 1);
    }
    // The PDF file needs no printer, so there is always somewhere to print.
    m_printers->addItem(PrintIcons::pdfFile(), m_document.text(ReportUiTextId::PdfTarget),
                        QString());
    m_printers->setItemData(m_printers->count() - 1, QStringList{QString(), QString()},
                            Qt::UserRole + 1);
    const int index = m_printers->findData(current);
    m_printers->setCurrentIndex(index >= 0 ? index : m_printers->count() - 1);
    const QStringList where = m_printers->currentData(Qt::UserRole + 1).toStringList();
    m_port->setText(where.value(0));
    m_driver->setText(where.value(1));
}

void PrintDialog::SelectPrinter() {
    m_printer.select(m_printers->currentData().toString());
    const QStringList where = m_printers->currentData(Qt::UserRole + 1).toStringList();
    m_port->setText(where.value(0));
    m_driver->setText(where.value(1));
    PapierAusrichtung();
}

void PrintDialog::PapierAusrichtung() {
    const bool portrait = m_printer.portrait();
    m_portrait->setVisible(portrait);
    m_landscape->setVisible(!portrait);
}

void PrintDialog::printerSetup() {
    m_printer.setup(this);
    PapierAusrichtung();
}

void PrintDialog::updatePrintButton() {
    // Copies 0, an empty field or a page field without a page would print
    // nothing: Print waits for numbers that print something.
    m_print->setEnabled(positive(m_copies) && (!m_page->isChecked() || positive(m_pageNumber)));
}

QString PrintDialog::copiesText() const {
    return m_copies->text();
}

QString PrintDialog::rangeTag() const {
    if (m_current->isChecked())
        return QStringLiteral("AKTUELL");
    if (m_page->isChecked())
        return m_pageNumber->text();
    return QStringLiteral("ALL");
}

void PrintDialog::Drucke() {
    m_document.show.state.PendingCommand = QStringLiteral("REPORT_PRINTING_START");
    accept();
}

} // namespace zyn
