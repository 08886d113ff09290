#include "TimeShiftDialog.h"

#include "EditorCommands.h"
#include "document/ShowDocument.h"
#include "ui/IconSet.h"
#include "ui/WindowTitle.h"

#include <QDialogButtonBox>
#include <QEvent>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QIntValidator>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSignalBlocker>
#include <QSpinBox>
#include <QTimer>
#include <QVBoxLayout>

namespace zyn {

namespace {

enum : int { CaptionText = 227, AllCuesText = 228, SelectedCuesText = 229, SegmentText = 230 };
enum : int { OkText = 74, CancelText = 75 };

constexpr const char* FieldLabels[4] = {"HH:", "MM:", "SS:", "MS:"};
constexpr int FieldDigits[4] = {2, 2, 2, 3};
constexpr int FieldLimits[4] = {23, 59, 59, 999};

// Selects a field's whole text when it is entered, so typing replaces it.
class SelectAllOnFocus : public QObject {
public:
    using QObject::QObject;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::FocusIn)
            if (auto* field = qobject_cast<QLineEdit*>(watched))
                QTimer::singleShot(0, field, &QLineEdit::selectAll);
        return false;
    }
};

} // namespace

TimeShiftDialog::TimeShiftDialog(ShowDocument& document, EditorCommands& commands, int currentRow,
                                 int otherRow, QWidget* parent)
    : QDialog(parent), m_commands(commands), m_currentRow(currentRow), m_otherRow(otherRow) {
    setObjectName(QStringLiteral("frm_Zeitverschiebung_ALL"));
    setWindowTitle(document.text(CaptionText) + QStringLiteral(" - ") + WindowTitle::base());

    auto* offset = new QGridLayout;
    auto* focusFilter = new SelectAllOnFocus(this);
    for (int i = 0; i < 4; ++i) {
        m_fields[i] = new QLineEdit;
        m_fields[i]->setObjectName(QStringLiteral("TextTime_%1").arg(i));
        m_fields[i]->setMaxLength(FieldDigits[i]);
        m_fields[i]->setFixedWidth(fontMetrics().horizontalAdvance(QStringLiteral("0000")) + 12);
        m_fields[i]->installEventFilter(focusFilter);
        m_spins[i] = new QSpinBox;
        m_spins[i]->setObjectName(QStringLiteral("VScroll1_%1").arg(i));
        m_spins[i]->setRange(0, FieldLimits[i]);
        m_spins[i]->setButtonSymbols(QAbstractSpinBox::UpDownArrows);
        m_spins[i]->setFixedWidth(22);
        m_spins[i]->setStyleSheet(QStringLiteral("QSpinBox { color: transparent; }"));
        offset->addWidget(new QLabel(QLatin1String(FieldLabels[i])), 0, i * 3);
        offset->addWidget(m_fields[i], 0, i * 3 + 1);
        offset->addWidget(m_spins[i], 0, i * 3 + 2);
        connect(m_fields[i], &QLineEdit::textEdited, this, [this, i] { fieldEdited(i); });
        connect(m_spins[i], &QSpinBox::valueChanged, this, [this, i](int value) {
            const QSignalBlocker quiet(m_fields[i]);
            m_fields[i]->setText(QString::number(value));
        });
    }

    auto* ranges = new QGroupBox;
    auto* rangeLayout = new QVBoxLayout(ranges);
    const int rangeTexts[3] = {AllCuesText, SelectedCuesText, SegmentText};
    for (int i = 0; i < 3; ++i) {
        m_ranges[i] = new QRadioButton(document.text(rangeTexts[i]));
        m_ranges[i]->setObjectName(QStringLiteral("OptionTime_%1").arg(i));
        rangeLayout->addWidget(m_ranges[i]);
    }
    m_ranges[1]->setChecked(true);
    // A segment is found from one current cue; with several selected it is unclear.
    m_ranges[2]->setEnabled(currentRow == otherRow);

    auto* operators = new QHBoxLayout;
    const char* signs[2] = {"+", "\u2212"};
    for (int i = 0; i < 2; ++i) {
        m_operators[i] = new QRadioButton(QString::fromUtf8(signs[i]));
        m_operators[i]->setObjectName(QStringLiteral("OptionOperator_%1").arg(i));
        QFont bold = m_operators[i]->font();
        bold.setBold(true);
        bold.setPointSizeF(bold.pointSizeF() * 1.4);
        m_operators[i]->setFont(bold);
        operators->addWidget(m_operators[i]);
    }
    operators->addStretch(1);
    m_operators[0]->setChecked(true);

    auto* buttons = new QDialogButtonBox;
    auto* ok = new QPushButton(IconSet::icon(QStringLiteral("COMMOK")), document.text(OkText));
    ok->setObjectName(QStringLiteral("OKButton"));
    auto* cancel =
        new QPushButton(IconSet::icon(QStringLiteral("CANCEL")), document.text(CancelText));
    cancel->setObjectName(QStringLiteral("CancelButton"));
    buttons->addButton(ok, QDialogButtonBox::AcceptRole);
    buttons->addButton(cancel, QDialogButtonBox::RejectRole);
    connect(ok, &QPushButton::clicked, this, &TimeShiftDialog::confirm);
    connect(cancel, &QPushButton::clicked, this, &QDialog::reject);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(ranges);
    layout->addLayout(operators);
    layout->addLayout(offset);
    layout->addWidget(buttons);
}

void TimeShiftDialog::fieldEdited(int field) {
    QLineEdit* edit = m_fields[field];
    if (edit->text().isEmpty())
        return;
    const QString clean = TimeShift::fieldText(static_cast<TimeShift::Field>(field), edit->text());
    if (clean != edit->text())
        edit->setText(clean);
    const QSignalBlocker quiet(m_spins[field]);
    m_spins[field]->setValue(clean.toInt());
}

TimeShift::Request TimeShiftDialog::request() const {
    TimeShift::Request request;
    for (int i = 0; i < 3; ++i) {
        if (m_ranges[i]->isChecked())
            request.range = static_cast<TimeShift::Range>(i);
    }
    request.op =
        m_operators[1]->isChecked() ? TimeShift::Operator::Subtract : TimeShift::Operator::Add;
    request.offset = {m_fields[0]->text().toDouble(), m_fields[1]->text().toDouble(),
                      m_fields[2]->text().toDouble(), m_fields[3]->text().toDouble()};
    request.currentRow = m_currentRow;
    request.otherRow = m_otherRow;
    return request;
}

void TimeShiftDialog::confirm() {
    const TimeShift::Request shift = request();
    bool done = false;
    m_commands.run([&](EditContext& context) {
        EditResult result = TimeShift(context).run(shift);
        done = result.changed;
        return result;
    });
    if (done)
        accept();
}

} // namespace zyn
