#include "ControllerTransferDialog.h"

#include "TransferResultView.h"
#include "document/ShowDocument.h"
#include "platform/qt/QtSerialLink.h"
#include "transfer/TableBuilder.h"
#include "transfer/TableRefusalText.h"
#include "transfer/TransferTextId.h"
#include "ui/IconSet.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QProgressBar>
#include <QPushButton>
#include <QTimer>
#include <QVBoxLayout>

namespace zyn {

namespace {

QLabel* wrappedLabel(const QString& name, const QString& text) {
    auto* label = new QLabel(text);
    label->setObjectName(name);
    label->setWordWrap(true);
    return label;
}

} // namespace

ControllerTransferDialog::ControllerTransferDialog(ShowDocument& document, QWidget* parent)
    : QDialog(parent), m_document(document) {
    setObjectName(QStringLiteral("frmTransferToZYNController"));
    setWindowTitle(document.text(TransferTextId::SerialCaption));

    m_port = new QLabel;
    m_port->setObjectName(QStringLiteral("lbl_COM"));
    m_port->setTextFormat(Qt::PlainText);
    m_progress = new QProgressBar;
    m_progress->setObjectName(QStringLiteral("ProgressBar1"));
    m_progress->setRange(0, ControllerTable::ProgressMaximum);
    m_progress->setValue(0);
    // A finished transfer stands at 6400 of 6401: a percentage would read 99.
    m_progress->setTextVisible(false);
    m_result = new TransferResultView;
    m_close = new QPushButton(IconSet::icon(QStringLiteral("COMMOK")),
                              document.text(TransferTextId::CloseButton));
    m_close->setObjectName(QStringLiteral("cmd_Close"));
    m_close->setDefault(true);
    connect(m_close, &QPushButton::clicked, this, &QDialog::accept);

    m_start = new QTimer(this);
    m_start->setObjectName(QStringLiteral("Timer1"));
    m_start->setSingleShot(true);
    m_start->setInterval(StartDelayMs);
    connect(m_start, &QTimer::timeout, this, &ControllerTransferDialog::portSearch);

    auto* buttons = new QHBoxLayout;
    buttons->addStretch(1);
    buttons->addWidget(m_close);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(wrappedLabel(QStringLiteral("lbl_Desc1"),
                                   document.text(TransferTextId::SerialDescription)));
    layout->addWidget(
        wrappedLabel(QStringLiteral("lbl_Desc2"), document.text(TransferTextId::TransferNote)));
    layout->addSpacing(8);
    layout->addWidget(m_port);
    layout->addWidget(m_progress);
    layout->addWidget(m_result);
    layout->addStretch(1);
    layout->addLayout(buttons);
    setMinimumWidth(480);

    m_busy.emplace();
}

ControllerTransferDialog::~ControllerTransferDialog() = default;

void ControllerTransferDialog::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    if (!m_started) {
        m_started = true;
        m_start->start();
    }
}

void ControllerTransferDialog::done(int result) {
    m_start->stop();
    if (m_exchange)
        m_exchange->stop();
    m_busy.reset();
    QDialog::done(result);
}

void ControllerTransferDialog::portSearch() {
    m_progress->setRange(0, ControllerTable::ProgressMaximum);
    m_progress->setValue(0);
    TableBuilder::Result built =
        TableBuilder(m_document.texts().stopLabels()).build(m_document.show);
    if (!built.ok()) {
        m_result->showRefused(m_document.text(TransferTextId::TransferFailed),
                              TableRefusalText::lines(built.refusals, m_document.texts()));
        endBusyPointer();
        return;
    }
    m_link = std::make_unique<QtSerialLink>(SerialPortList::fromSystem());
    m_exchange = std::make_unique<ControllerSession>(*m_link, std::move(built.table));
    m_link->attach(*m_exchange);
    connect(m_exchange.get(), &ControllerSession::portFound, this,
            &ControllerTransferDialog::showPort);
    connect(m_exchange.get(), &ControllerSession::progressChanged, m_progress,
            &QProgressBar::setValue);
    connect(m_exchange.get(), &ControllerSession::finished, this,
            &ControllerTransferDialog::showOutcome);
    m_exchange->start();
}

void ControllerTransferDialog::showPort(int port, const QString& device) {
    m_port->setText(ControllerSession::portLabel(m_document.texts(), port, device));
}

void ControllerTransferDialog::showOutcome(ControllerSession::Outcome outcome) {
    using Outcome = ControllerSession::Outcome;
    if (outcome == Outcome::Stopped)
        return; // the dialog is closing
    if (outcome == Outcome::NoController)
        showPort(0, QString());
    m_result->showOutcome(outcome == Outcome::Succeeded,
                          m_document.text(ControllerSession::resultText(outcome)));
    endBusyPointer();
}

void ControllerTransferDialog::endBusyPointer() {
    m_busy.reset();
    if (!m_normalPointer)
        m_normalPointer.emplace();
}

} // namespace zyn
