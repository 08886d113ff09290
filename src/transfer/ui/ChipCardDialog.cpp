#include "ChipCardDialog.h"

#include "TransferResultView.h"
#include "document/ShowDocument.h"
#include "platform/CardReader.h"
#include "platform/EmulatedCardReader.h"
#include "platform/pcsc/CardAtr.h"
#include "platform/pcsc/CardReaderChoice.h"
#include "transfer/CardImage.h"
#include "transfer/CardTextId.h"
#include "transfer/CardWriteSequence.h"
#include "transfer/TableRefusalText.h"
#include "transfer/TransferTextId.h"
#include "ui/IconSet.h"

#include <QComboBox>
#include <QElapsedTimer>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPlainTextEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QScrollBar>
#include <QTimer>
#include <QVBoxLayout>

namespace zyn {

namespace {

enum ReaderItem { PcscItem = 0, EmulatedItem = 1 };

QGroupBox* frame(const char* name, const char* title, QWidget* content) {
    auto* box = new QGroupBox(QLatin1String(title));
    box->setObjectName(QLatin1String(name));
    auto* layout = new QVBoxLayout(box);
    layout->addWidget(content);
    return box;
}

} // namespace

ChipCardDialog::ChipCardDialog(ShowDocument& document, QWidget* parent)
    : QDialog(parent), m_document(document) {
    setObjectName(QStringLiteral("frmTransferToChipDrive"));
    setWindowTitle(document.text(CardTextId::Caption));

    m_write = new QPushButton(IconSet::icon(QStringLiteral("PCMKarte")),
                              document.text(CardTextId::WriteButton));
    m_write->setObjectName(QStringLiteral("cmd_Data_Write"));
    m_write->setAutoDefault(false);
    m_close = new QPushButton(IconSet::icon(QStringLiteral("CANCEL")),
                              document.text(CardTextId::CloseButton));
    m_close->setObjectName(QStringLiteral("cmd_Close"));
    m_close->setAutoDefault(false);
    connect(m_write, &QPushButton::clicked, this, &ChipCardDialog::startWrite);
    connect(m_close, &QPushButton::clicked, this, &ChipCardDialog::closeButton);

    m_progress = new QProgressBar;
    m_progress->setObjectName(QStringLiteral("ProgressBar"));
    m_progress->setRange(0, CardWriteSequence::ProgressSteps);
    m_progress->setValue(CardWriteSequence::ProgressSteps);

    m_log = new QPlainTextEdit(QStringLiteral("Data"));
    m_log->setObjectName(QStringLiteral("Label1"));
    m_log->setReadOnly(true);
    m_log->setMinimumHeight(150);
    m_refused = new TransferResultView;
    m_refused->hide();
    m_status = new QLabel(QStringLiteral("-"));
    m_status->setObjectName(QStringLiteral("LabelSt"));
    m_status->setTextFormat(Qt::PlainText);
    m_status->setWordWrap(true);

    m_tests = new ChipCardTestPanel;
    connect(m_tests, &ChipCardTestPanel::output, this, &ChipCardDialog::showLog);
    connect(m_tests, &ChipCardTestPanel::readerSelected, this,
            [this] { m_readerName->setText(m_reader->name()); });

    auto* buttons = new QHBoxLayout;
    buttons->addWidget(m_write);
    buttons->addStretch(1);
    buttons->addWidget(m_close);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(readerRow());
    layout->addLayout(buttons);
    layout->addWidget(m_progress);
    layout->addWidget(m_refused);
    layout->addWidget(frame("FrameDataOut", "Data OUT", m_log), 1);
    layout->addWidget(frame("FrameStatus", "Status", m_status));
    layout->addWidget(m_tests);
    setMinimumWidth(600);

    m_writer = new QTimer(this);
    m_writer->setObjectName(QStringLiteral("WriteTimer"));
    m_writer->setInterval(0);
    connect(m_writer, &QTimer::timeout, this, &ChipCardDialog::writeSlice);
    m_poll = new QTimer(this);
    m_poll->setObjectName(QStringLiteral("Timer1"));
    m_poll->setInterval(PollIntervalMs);
    connect(m_poll, &QTimer::timeout, this, &ChipCardDialog::pollStatus);

    chooseReader(PcscItem);
    m_poll->start();
    m_normalPointer.emplace();
}

ChipCardDialog::~ChipCardDialog() {
    // A write cut off by the window's end stops here, between two entries.
    m_writer->stop();
    m_poll->stop();
}

QWidget* ChipCardDialog::readerRow() {
    auto* row = new QWidget;
    auto* label = new QLabel(m_document.text(CardTextId::ReaderLabel));
    m_readerChoice = new QComboBox;
    m_readerChoice->setObjectName(QStringLiteral("cboReader"));
    m_readerChoice->addItem(m_document.text(CardTextId::PcscReader));
    m_readerChoice->addItem(m_document.text(CardTextId::EmulatedCard));
    label->setBuddy(m_readerChoice);
    m_readerName = new QLabel;
    m_readerName->setObjectName(QStringLiteral("lblReader"));
    m_readerName->setTextFormat(Qt::PlainText);
    m_readerName->setTextInteractionFlags(Qt::TextSelectableByMouse);
    m_readerChoice->setSizeAdjustPolicy(QComboBox::AdjustToContents);
    connect(m_readerChoice, &QComboBox::currentIndexChanged, this, &ChipCardDialog::chooseReader);
    auto* choice = new QHBoxLayout;
    choice->addWidget(label);
    choice->addWidget(m_readerChoice);
    choice->addStretch(1);
    auto* layout = new QVBoxLayout(row);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addLayout(choice);
    layout->addWidget(m_readerName);
    return row;
}

void ChipCardDialog::chooseReader(int index) {
    const CardReaderChoice choice =
        index == EmulatedItem
            ? CardReaderChoice::emulated(EmulatedCardReader::defaultPath(m_document.home.path()))
            : CardReaderChoice::pcsc();
    m_tests->setReader(nullptr);
    m_reader = choice.open();
    m_tests->setReader(m_reader.get());
    m_tests->setCard(ChipCardTestPanel::Card::None);
    m_status->setText(QStringLiteral("-"));
    m_readerName->setText(m_reader->name());
}

void ChipCardDialog::startWrite() {
    if (isWriting())
        return;
    CardImage::Result image = CardImage::build(m_document.show);
    if (!image.ok()) {
        // Beside the log rather than in it: the status poll rewrites the log.
        m_refused->showRefused(m_document.text(TransferTextId::TransferFailed),
                               TableRefusalText::lines(image.refusals, m_document.texts()));
        m_refused->show();
        return;
    }
    m_refused->clear();
    m_refused->hide();
    m_busy.emplace();
    m_poll->stop();
    m_write->setEnabled(false);
    m_readerChoice->setEnabled(false);
    m_tests->setEnabled(false);
    m_progress->setValue(0);
    m_log->clear();
    m_logShown = 0;
    m_sequence = std::make_unique<CardWriteSequence>(*m_reader, std::move(image.bytes));
    m_writer->start();
}

void ChipCardDialog::writeSlice() {
    QElapsedTimer slice;
    slice.start();
    bool more = true;
    while (more && slice.elapsed() < WriteSliceMs)
        more = m_sequence->step();
    m_progress->setValue(m_sequence->progress());
    showNewLogEntries();
    if (!more)
        endWrite();
}

void ChipCardDialog::showNewLogEntries() {
    const std::vector<CardLogEntry>& log = m_sequence->log();
    if (m_logShown == log.size())
        return;
    QString added;
    for (; m_logShown < log.size(); ++m_logShown)
        added += log[m_logShown].piece(m_document.texts(), m_logShown == 0);
    m_log->moveCursor(QTextCursor::End);
    m_log->insertPlainText(added);
    m_log->verticalScrollBar()->setValue(m_log->verticalScrollBar()->maximum());
}

void ChipCardDialog::endWrite() {
    m_writer->stop();
    m_sequence.reset();
    m_write->setEnabled(true);
    m_readerChoice->setEnabled(true);
    m_tests->setEnabled(true);
    m_busy.reset();
    m_poll->start();
    if (m_pendingClose)
        QDialog::done(*m_pendingClose);
}

void ChipCardDialog::closeButton() {
    if (isWriting())
        m_sequence->requestStop();
    else
        reject();
}

void ChipCardDialog::done(int result) {
    if (!isWriting()) {
        QDialog::done(result);
        return;
    }
    m_pendingClose = result;
    m_sequence->requestStop();
}

void ChipCardDialog::pollStatus() {
    using Card = ChipCardTestPanel::Card;
    const CardReply state = m_reader->command(QStringLiteral("Card,Info,Status"));
    if (!state.ok()) {
        m_tests->setCard(Card::None);
        showError(state.status);
        return;
    }
    QString shown = u'<' + state.text + u'>';
    Card card = Card::None;
    if (state.text == u"active") {
        const CardReply type = m_reader->command(QStringLiteral("Card,Info,Type"));
        if (type.ok()) {
            shown += QStringLiteral(" <") + type.text + u'>';
            card = type.text == CardAtr::ProcessorCard ? Card::Processor : Card::Memory;
        } else {
            showError(type.status);
        }
    }
    m_status->setText(shown);
    m_tests->setCard(card);
}

void ChipCardDialog::showError(quint32 status) {
    const QString line = CardLogEntry::errorLine(status, m_reader->errorText(status));
    if (m_log->toPlainText() != line)
        showLog(line);
}

void ChipCardDialog::showLog(const QString& text) {
    m_log->setPlainText(text);
    m_log->viewport()->repaint();
}

} // namespace zyn
