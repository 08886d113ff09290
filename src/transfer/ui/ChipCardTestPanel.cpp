#include "ChipCardTestPanel.h"

#include "platform/CardReader.h"
#include "show/Cp1252.h"
#include "transfer/CardCommand.h"
#include "transfer/CardLogEntry.h"

#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace zyn {

namespace {

// SELECT of the master file 3F00 (ISO 7816-4): every processor card answers it.
const QByteArray SelectMasterFile = QByteArray::fromHex("00A4000C023F00");
const QString InitialTestData = QStringLiteral("Data to write on the card\n");

QString hex(quint32 value) {
    return QString::number(value, 16).toUpper();
}

QGroupBox* frame(const char* name, const char* title, QLayout* layout) {
    auto* box = new QGroupBox(QLatin1String(title));
    box->setObjectName(QLatin1String(name));
    box->setLayout(layout);
    return box;
}

QLineEdit* field(const char* name, const QString& text, int width) {
    auto* edit = new QLineEdit(text);
    edit->setObjectName(QLatin1String(name));
    edit->setMaximumWidth(width);
    return edit;
}

} // namespace

ChipCardTestPanel::ChipCardTestPanel(QWidget* parent) : QWidget(parent) {
    auto* layout = new QGridLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(systemFrame(), 0, 0);
    layout->addWidget(deviceFrame(), 0, 1);
    layout->addWidget(cardInfoFrame(), 1, 0);
    layout->addWidget(cardTestFrame(), 1, 1);
    updateEnabled();
}

QPushButton* ChipCardTestPanel::button(const char* name, const char* caption) {
    auto* button = new QPushButton(QLatin1String(caption));
    button->setObjectName(QLatin1String(name));
    button->setAutoDefault(false);
    return button;
}

QWidget* ChipCardTestPanel::systemFrame() {
    QPushButton* info = button("Command1", "Info");
    QPushButton* version = button("Command2", "Info,VersionText");
    connect(info, &QPushButton::clicked, this, [this] { runText(QStringLiteral("System,Info")); });
    connect(version, &QPushButton::clicked, this,
            [this] { runText(QStringLiteral("System,Info,VersionText")); });
    auto* layout = new QVBoxLayout;
    layout->addWidget(info);
    layout->addWidget(version);
    layout->addStretch(1);
    return frame("FrameSystem", "System:", layout);
}

QWidget* ChipCardTestPanel::deviceFrame() {
    m_port = field("Text1", QStringLiteral("2"), 48);
    m_device = field("Text3", QStringLiteral("0"), 48);
    QPushButton* search = button("Command3", "Search ComPort");
    QPushButton* list = button("Command4", "Device List");
    QPushButton* info = button("Command4a", "Info");
    QPushButton* select = button("Command4b", "Select Device");
    connect(search, &QPushButton::clicked, this, &ChipCardTestPanel::searchPort);
    connect(list, &QPushButton::clicked, this, [this] { runText(QStringLiteral("Device,List")); });
    connect(info, &QPushButton::clicked, this, [this] { runText(QStringLiteral("Device,Info")); });
    connect(select, &QPushButton::clicked, this, [this] {
        if (runOk(QStringLiteral("Device,Select,") + m_device->text()))
            emit readerSelected();
    });
    auto* layout = new QGridLayout;
    layout->addWidget(m_port, 0, 0);
    layout->addWidget(search, 0, 1);
    layout->addWidget(list, 1, 1);
    layout->addWidget(info, 2, 1);
    layout->addWidget(m_device, 3, 0);
    layout->addWidget(select, 3, 1);
    return frame("FrameDevice", "Device:", layout);
}

QWidget* ChipCardTestPanel::cardInfoFrame() {
    QPushButton* info = button("Command5", "Info");
    QPushButton* status = button("Command6", "Info,Status");
    m_apdu = button("Command7", "APDU");
    connect(info, &QPushButton::clicked, this, [this] { runText(QStringLiteral("Card,Info")); });
    connect(status, &QPushButton::clicked, this,
            [this] { runText(QStringLiteral("Card,Info,Status")); });
    connect(m_apdu, &QPushButton::clicked, this, &ChipCardTestPanel::apdu);
    auto* layout = new QVBoxLayout;
    layout->addWidget(info);
    layout->addWidget(status);
    layout->addWidget(m_apdu);
    layout->addStretch(1);
    return frame("FrameCardInfo", "Card Info:", layout);
}

QWidget* ChipCardTestPanel::cardTestFrame() {
    auto* pinLabel = new QLabel(QStringLiteral("PIN"));
    pinLabel->setObjectName(QStringLiteral("Label2"));
    m_pin = field("Text2", QString(), 120);
    m_data = new QPlainTextEdit(InitialTestData);
    m_data->setObjectName(QStringLiteral("Text4"));
    m_data->setTabChangesFocus(true);
    m_data->setMaximumHeight(56);
    m_read = button("Command8a", "Read Card");
    m_write = button("Command8b", "Write to Card");
    connect(m_read, &QPushButton::clicked, this, &ChipCardTestPanel::readCard);
    connect(m_write, &QPushButton::clicked, this, &ChipCardTestPanel::writeCard);
    auto* pin = new QHBoxLayout;
    pin->addWidget(pinLabel);
    pin->addWidget(m_pin);
    pin->addStretch(1);
    auto* buttons = new QHBoxLayout;
    buttons->addWidget(m_read);
    buttons->addWidget(m_write);
    auto* layout = new QVBoxLayout;
    layout->addLayout(pin);
    layout->addWidget(m_data);
    layout->addLayout(buttons);
    return frame("FrameCardTest", "Card Test:", layout);
}

void ChipCardTestPanel::setReader(CardReader* reader) {
    m_reader = reader;
    setEnabled(reader != nullptr);
}

void ChipCardTestPanel::setCard(Card card) {
    m_card = card;
    updateEnabled();
}

void ChipCardTestPanel::updateEnabled() {
    m_apdu->setEnabled(m_card == Card::Processor);
    m_read->setEnabled(m_card == Card::Memory);
    m_write->setEnabled(m_card == Card::Memory);
}

bool ChipCardTestPanel::run(const QString& command, const QByteArray& input,
                            const std::function<QString(const CardReply&)>& shown) {
    if (!m_reader)
        return false;
    const CardReply reply = m_reader->command(command, input);
    if (!reply.ok()) {
        emit output(CardLogEntry::errorLine(reply.status, m_reader->errorText(reply.status)));
        return false;
    }
    if (shown)
        emit output(shown(reply));
    return true;
}

void ChipCardTestPanel::runText(const QString& command) {
    run(command, {}, [](const CardReply& reply) { return reply.text; });
}

bool ChipCardTestPanel::runOk(const QString& command) {
    return run(command, {}, [](const CardReply&) { return QStringLiteral("OK"); });
}

void ChipCardTestPanel::searchPort() {
    emit output(QStringLiteral("BUSY..."));
    runOk(QStringLiteral("Device,SearchComPort,") + m_port->text());
}

void ChipCardTestPanel::apdu() {
    run(QStringLiteral("Card,APDU"), SelectMasterFile, [](const CardReply& reply) {
        QString text = hex(quint32(reply.bytes.size())) + QStringLiteral(" <");
        for (const char byte : reply.bytes)
            text += hex(quint8(byte)) + u' ';
        return text + u'>';
    });
}

void ChipCardTestPanel::readCard() {
    run(CardCommand::memRead(0, 128), {}, [](const CardReply& reply) { return reply.text; });
}

void ChipCardTestPanel::writeCard() {
    if (!m_pin->text().isEmpty() &&
        !run(QStringLiteral("Card,MemVerifyPin,") + m_pin->text(), {}, nullptr))
        return;
    // The card keeps text as the program's files do: code page, CR LF, a
    // closing zero byte.
    QString text = m_data->toPlainText();
    text.replace(u'\n', QStringLiteral("\r\n"));
    const QByteArray input = Cp1252::encode(text) + '\0';
    run(CardCommand::memWrite(0, int(input.size())), input,
        [](const CardReply&) { return QStringLiteral("OK"); });
}

} // namespace zyn
